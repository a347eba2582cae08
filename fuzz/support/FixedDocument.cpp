#include "FixedDocument.h"

#include "host/Svg.h"

namespace drive {
namespace {

constexpr char kFixedSvg[] = R"svg(<svg xmlns="http://www.w3.org/2000/svg" xmlns:pd="urn:pendrake:document"
     xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape"
     width="210mm" height="297mm" viewBox="0 0 210 297" pd:origin="12.5 -30.25">
  <g inkscape:groupmode="layer" inkscape:label="Artwork" id="artwork">
    <rect id="border" x="35" y="80" width="140" height="170" rx="8" ry="8" fill="#f4e3b2" stroke="#1d3557"
          stroke-width="1.5"/>
    <g id="badge" transform="translate(105 130)">
      <circle id="ring" r="32" fill="#e63946"/>
      <polygon id="star" points="0,-24 7,-8 24,-7 11,4 15,21 0,12 -15,21 -11,4 -24,-7 -7,-8" fill="#f1faee"/>
    </g>
    <text id="title" x="77" y="195" font-family="DejaVu Sans" font-size="22" fill="#1d3557">OPEN</text>
    <path id="wave" d="M 50 220 C 70 205, 90 235, 105 220 S 140 205, 160 220" fill="none" stroke="#457b9d"
          stroke-width="3"/>
    <path id="frame" d="M 20 20 H 60 V 60 H 20 Z M 30 30 H 50 V 50 H 30 Z" fill="#1d3557" fill-rule="evenodd"/>
  </g>
  <g inkscape:groupmode="layer" inkscape:label="Cut lines" id="cut-lines">
    <path id="cut" d="M 10 270 L 200 270 L 200 290 Z" fill="none" stroke="#000000">
      <pd:tag name="TalvexCutMark" type="string" value="0001"/>
    </path>
    <path id="perforation" d="M 10 10 C 40 0, 60 20, 90 10" fill="none" stroke="#ff0000">
      <pd:tag name="TalvexCutMark" type="string" value="0001"/>
      <pd:tag name="TalvexPerforationMark" type="string" value="0001"/>
    </path>
    <ellipse id="held" cx="150" cy="40" rx="6" ry="4" fill="#1d3557" pd:locked="true"/>
  </g>
</svg>
)svg";

}  // namespace

std::unique_ptr<host::Document> FixedDocument() { return host::ReadSvgText(kFixedSvg, "fixed.svg"); }

}  // namespace drive
