// A file the core made is handed to the browser as a download: a Blob and a
// link with the file's name, which phones honour as well as laptops. Nothing
// leaves the device.

import type { Decoded } from './file_text';

/** The core's text is Unicode: a Blob of it is its UTF-8 bytes, a CSV's BOM and CR LF kept. */
export function downloadText(fileName: string, text: string, mime: string): void {
  const blob = new Blob([text], { type: mime || 'application/octet-stream' });
  const url = URL.createObjectURL(blob);
  const link = document.createElement('a');
  link.href = url;
  link.download = fileName;
  link.rel = 'noopener';
  link.style.display = 'none';
  document.body.appendChild(link);
  link.click();
  link.remove();
  // Some phones start the download after the click returns: keep the URL a while.
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

/** The bytes of a file the user chose. */
export async function fileBytes(file: File): Promise<Uint8Array> {
  return new Uint8Array(await file.arrayBuffer());
}

/**
 * The file chosen in a file input, decoded; null when none was chosen. The input is
 * cleared, so choosing the same file again (after mending it) reads it again.
 */
export async function chosenFile(
  ev: Event,
  decode: (bytes: Uint8Array) => Decoded,
): Promise<{ name: string; decoded: Decoded } | null> {
  const input = ev.currentTarget as HTMLInputElement;
  const file = input.files?.[0];
  input.value = '';
  if (!file) return null;
  return { name: file.name, decoded: decode(await fileBytes(file)) };
}
