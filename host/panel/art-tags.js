// The plug-in's tags as the host writes them, <pd:tag name="..." type="string" value="..."/> inside the tagged
// element; the element gets a class per tag so that the view draws crop marks, cut lines and perforation lines
// in their own colours.
import { Tag } from './markplug-protocol.js';
import { HOST_NAMESPACE } from './svg-names.js';

export const TagClass = Object.freeze({
  [Tag.CropMark]: 'art-crop-mark',
  [Tag.CutLine]: 'art-cut-line',
  [Tag.PerforationLine]: 'art-perforation-line',
});

// The element a tag belongs to: its parent, or for a part of a compound path (<pd:part>) the compound path.
function taggedElement(tag) {
  const parent = tag.parentElement;
  if (parent && parent.namespaceURI === HOST_NAMESPACE && parent.localName === 'part') return parent.parentElement;
  return parent;
}

export function markTaggedArt(svgRoot) {
  for (const tag of svgRoot.getElementsByTagNameNS(HOST_NAMESPACE, 'tag')) {
    const className = TagClass[tag.getAttribute('name')];
    const element = taggedElement(tag);
    if (className && element) element.classList.add(className);
  }
}

// Crop marks are filled circles and stroked brackets: each keeps what it paints, in the crop mark colour.
export function paintCropMarks(svgRoot) {
  for (const mark of svgRoot.querySelectorAll('.art-crop-mark')) {
    const style = getComputedStyle(mark);
    if (style.fill !== 'none') mark.style.fill = 'var(--crop-mark)';
    if (style.stroke !== 'none') mark.style.stroke = 'var(--crop-mark)';
  }
}
