// The cut data file of the main test's run: the star (a cut line) and the wave (a perforation line) of
// examples/sign.svg, selected, with TS-1's four marks. Every point is placed relative to the lower-left corner
// of the marks' area: x in points minus 10 mm (the left margin) and 5 mm (the shift of the four-mark frame),
// y upward from the page's bottom minus 20 mm and 5 mm. The star's first corner, (105 mm, 106 mm from the top):
// x 297.637795 - 28.346457 - 14.173228 = 255.118110, y 841.889764 - 300.472441 - 56.692913 - 14.173228 = 470.551181.
// Its ten straight sides are cubic curves with the handles on the corners, the last back to the first; the wave is
// one move and two curves, open, followed by the perforation tag line.
export const CUT_FILE_LINES = [
  '%!PS-Adobe-3.0',
  '%%VarrowCropMark: 14.173228 14.173228 481.889764 566.929134 28.346457 56.692913 4',
  '%%EndComments',
  '%%BeginProlog',
  '%%EndProlog',
  '%%BeginSetup',
  '%%EndSetup',
  '%PD5_BeginLayer',
  'u',
  '255.118110 470.551181 m',
  '255.118110 470.551181 274.960630 425.196850 274.960630 425.196850 c',
  '274.960630 425.196850 323.149606 422.362205 323.149606 422.362205 c',
  '323.149606 422.362205 286.299213 391.181102 286.299213 391.181102 c',
  '286.299213 391.181102 297.637795 342.992126 297.637795 342.992126 c',
  '297.637795 342.992126 255.118110 368.503937 255.118110 368.503937 c',
  '255.118110 368.503937 212.598425 342.992126 212.598425 342.992126 c',
  '212.598425 342.992126 223.937008 391.181102 223.937008 391.181102 c',
  '223.937008 391.181102 187.086614 422.362205 187.086614 422.362205 c',
  '187.086614 422.362205 235.275591 425.196850 235.275591 425.196850 c',
  '235.275591 425.196850 255.118110 470.551181 255.118110 470.551181 c',
  's',
  'U',
  'u',
  '99.212598 147.401575 m',
  '155.905512 189.921260 212.598425 104.881890 255.118110 147.401575 c',
  '297.637795 189.921260 354.330709 189.921260 411.023622 147.401575 c',
  'S',
  '/TalvexPerforationMark (002) XT',
  'U',
  '%PD5_EndLayer--',
  '%%PageTrailer',
  '%%Trailer',
  '%%EOF',
];
