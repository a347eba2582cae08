// The host's list of path objects in the document it wrote: the plug-in's preview counts positions in that list
// (every path, in every layer, inside groups and compound paths, in document order). Each <path> element is one
// path, except a compound path, which holds one path per subpath: the writer marks it by several subpaths in its
// d, or by pd:compound when it has fewer than two.
import { HOST_NAMESPACE, isSvgElement } from './svg-names.js';

function pathsHeldBy(element) {
  const subpaths = (element.getAttribute('d') ?? '').split('M').length - 1;
  const compound = subpaths >= 2 || element.getAttributeNS(HOST_NAMESPACE, 'compound') === 'true';
  return compound ? subpaths : 1;
}

// One entry per path object, in the host's order: the element that draws it.
export function pathElementsInHostOrder(svgRoot) {
  const order = [];
  const walk = (element) => {
    for (const child of element.children) {
      if (!isSvgElement(child)) continue;
      if (child.localName === 'path') {
        for (let k = pathsHeldBy(child); k > 0; k -= 1) order.push(child);
      } else if (child.localName === 'g') {
        walk(child);
      }
    }
  };
  walk(svgRoot);
  return order;
}
