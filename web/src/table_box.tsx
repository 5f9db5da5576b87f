// The box a table stands in. A table is shown as a table only when it fits
// the box whole; otherwise each row becomes a card with every value beside
// its heading. The box's own width decides, not the screen's: the same
// table beside the plan on a laptop has less room than alone on a tablet,
// and a table scrolling sideways cuts a number at the box's edge.

import type { ComponentChildren } from 'preact';
import { useLayoutEffect, useRef } from 'preact/hooks';

/**
 * Lays the box's table out as a table, measures it, and keeps that layout
 * only when the table is no wider than the box. Measuring always as a table
 * makes the choice the same whichever layout the box had before, so it never
 * flips back and forth at one width.
 */
export function fitTable(box: HTMLElement, last?: { key: string }): void {
  const table = box.querySelector('table');
  if (!table) return;
  // Laying a long table out twice costs a phone a frame at every keystroke
  // elsewhere on the tab: skipped while neither its text nor the box's width
  // has changed, the only things its width follows.
  const key = `${box.clientWidth}|${table.textContent ?? ''}`;
  if (last) {
    if (last.key === key && box.dataset.layout) return;
    last.key = key;
  }
  box.dataset.layout = 'table';
  // Half a pixel of rounding is no cut digit.
  const fits = table.getBoundingClientRect().width <= box.clientWidth + 0.5;
  box.dataset.layout = fits ? 'table' : 'cards';
}

export function TableBox({ tall = false, children }: { tall?: boolean; children: ComponentChildren }) {
  const box = useRef<HTMLDivElement>(null);
  const last = useRef({ key: '' });
  // Each render may bring other rows or columns (polar columns, longer
  // numbers): decided again before the browser paints, so no frame shows a
  // cut table.
  useLayoutEffect(() => {
    if (box.current) fitTable(box.current, last.current);
  });
  useLayoutEffect(() => {
    const el = box.current;
    if (!el || typeof ResizeObserver === 'undefined') return;
    let width = el.clientWidth;
    let frame = 0;
    const observer = new ResizeObserver(() => {
      // Switching layout changes the box's height only; its width is what
      // the page gives it. Reacting to width alone cannot feed back.
      if (el.clientWidth === width) return;
      width = el.clientWidth;
      // The next frame, not inside the observer: changing layout there
      // would be reported by the browser as an observer loop.
      cancelAnimationFrame(frame);
      frame = requestAnimationFrame(() => fitTable(el, last.current));
    });
    observer.observe(el);
    return () => {
      observer.disconnect();
      cancelAnimationFrame(frame);
    };
  }, []);
  return (
    <div ref={box} class={tall ? 'table-box tall' : 'table-box'}>
      {children}
    </div>
  );
}
