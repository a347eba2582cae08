// The session's file and its end: "Save and quit" writes the document to the --save file and stops the server,
// "Quit" stops it without saving. Once the session has ended every control of the page is switched off.
import { quitSession } from './api.js';

export class SessionControls {
  constructor({ artworkLabel, saveButton, quitButton, banner, notices }) {
    this.artworkLabel = artworkLabel;
    this.saveButton = saveButton;
    this.quitButton = quitButton;
    this.banner = banner;
    this.notices = notices;
    this.ended = false;
    saveButton.addEventListener('click', () => this.quit(true));
    quitButton.addEventListener('click', () => this.quit(false));
  }

  show(info) {
    const edition = info.edition === 'macos' ? 'macOS feature set' : 'Windows feature set';
    this.artworkLabel.textContent = `${info.artwork.split('/').pop()} — ${edition}`;
    this.artworkLabel.title = info.artwork;
    this.saveButton.disabled = !info.save;
    this.saveButton.title = info.save
      ? `Writes the document to ${info.save} and ends the session`
      : 'The session was started without --save: there is no file to save to';
  }

  async quit(save) {
    try {
      const result = await quitSession(save);
      this.end(result.saved ? `Saved to ${result.saved}. The session has ended.` : 'The session has ended without saving.');
    } catch (error) {
      this.notices.add('error', save ? 'The document was not saved' : 'The session did not end', [error.message]);
    }
  }

  // The server said goodbye, or the page asked it to stop.
  end(text = 'The session has ended.') {
    if (this.ended) {
      if (text !== 'The session has ended.') this.banner.textContent = text;
      return;
    }
    this.ended = true;
    this.banner.textContent = text;
    this.banner.hidden = false;
    document.body.classList.add('session-ended');
    for (const control of document.querySelectorAll('button, input, select')) control.disabled = true;
  }
}
