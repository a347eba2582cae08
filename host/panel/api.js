// The HTTP side of pendrake serve: the session token from the page's own address, JSON requests with the token
// header, and one queue for the requests that act, so that the host handles them in the order the user made them.

const token = new URLSearchParams(window.location.search).get('token') ?? '';

export class ApiError extends Error {
  constructor(status, message, path) {
    super(message);
    this.status = status;
    this.path = path;
  }
}

export function sessionToken() {
  return token;
}

// A page of the server with the token, e.g. pageAddress('/eventbridge.html').
export function pageAddress(path) {
  return `${path}?${new URLSearchParams({ token })}`;
}

async function request(method, path, body) {
  const headers = { 'X-Pendrake-Token': token };
  if (body !== undefined) headers['Content-Type'] = 'application/json';
  let response;
  try {
    response = await fetch(path, {
      method,
      headers,
      body: body === undefined ? undefined : JSON.stringify(body),
      cache: 'no-store',
    });
  } catch (error) {
    throw new ApiError(0, `the host did not answer (${error.message})`, path);
  }
  const text = await response.text();
  if (!response.ok) throw new ApiError(response.status, errorText(text, response), path);
  return { text, response };
}

// The server's {"error": "..."} text, or the status line when the body says nothing readable.
function errorText(body, response) {
  try {
    const parsed = JSON.parse(body);
    if (parsed && typeof parsed.error === 'string') return parsed.error;
  } catch {
    // not JSON: fall through
  }
  return body.trim() || `${response.status} ${response.statusText}`;
}

let actions = Promise.resolve();

// Runs the requests that change something one after another.
function inOrder(send) {
  const result = actions.then(send);
  actions = result.catch(() => {});
  return result;
}

async function postJson(path, body) {
  return inOrder(async () => JSON.parse((await request('POST', path, body)).text));
}

export async function getInfo() {
  return JSON.parse((await request('GET', '/api/info')).text);
}

// The document as the host writes it, and its revision.
export async function getDocument() {
  const { text, response } = await request('GET', '/api/document');
  return { svg: text, revision: Number(response.headers.get('X-Pendrake-Revision')) };
}

export async function getSelection() {
  return JSON.parse((await request('GET', '/api/selection')).text).ids;
}

// One panel event as if the extension had sent it; resolves when the plug-ins have handled it.
export function sendEvent(extension, type, data) {
  return postJson('/api/event', { extension, type, data });
}

export function selectObjects(ids) {
  return postJson('/api/select', { ids });
}

export function quitSession(save) {
  return postJson('/api/quit', { save });
}
