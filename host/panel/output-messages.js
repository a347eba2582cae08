// What the plug-in's messages after an output run mean for the person at the cutter.
import { MessageNumber } from './markplug-protocol.js';

export function messageText(number) {
  switch (number) {
    case MessageNumber.CuttingAppNotInstalled:
      return {
        title: 'The cutting application Talvex could not be started',
        lines: [
          'It is not installed (the registry does not name it), or the system could not start it.',
          'The cut data file was written; install Talvex, start the host again and send once more.',
        ],
      };
    case MessageNumber.CutFileIncomplete:
      return {
        title: 'The cut data file could not be written in full',
        lines: [
          'It was not handed to the cutting application, so nothing will be cut.',
          'Check that the temporary folder has room and that every path of the document can be read, then send again.',
        ],
      };
    default:
      return { title: `The plug-in sent message ${number}`, lines: [] };
  }
}
