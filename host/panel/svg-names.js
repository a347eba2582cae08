// The namespaces of the documents the host writes.
export const SVG_NAMESPACE = 'http://www.w3.org/2000/svg';
export const HOST_NAMESPACE = 'urn:pendrake:document';
export const INKSCAPE_NAMESPACE = 'http://www.inkscape.org/namespaces/inkscape';

export function isSvgElement(element, localName) {
  return element.namespaceURI === SVG_NAMESPACE && (localName === undefined || element.localName === localName);
}

export function isLayer(element) {
  return isSvgElement(element, 'g') && element.getAttributeNS(INKSCAPE_NAMESPACE, 'groupmode') === 'layer';
}
