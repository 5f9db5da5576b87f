// Starts the page: loads the core, shows the app, marks the body ready for
// use (and for the browser tests), and registers the service worker that
// keeps the site on the device for use without a network.

import { render } from 'preact';
import { App, external } from './app';
import type { Answer } from './answers';
import { loadCore } from './core';
import { isReadOnly } from './store';
import { restoreJob } from './keep';

declare global {
  interface Window {
    capset?: { call(request: Record<string, unknown>): Answer };
  }
}

async function start(): Promise<void> {
  const root = document.getElementById('app')!;
  try {
    const core = await loadCore();
    window.capset = {
      call(request) {
        const answer = core.call(request);
        // A change made from outside the page (a test, the console) shows on it too, once
        // the caller's own call has returned.
        if (answer.ok && !isReadOnly(request)) setTimeout(() => external.changed(), 0);
        return answer;
      },
    };
    const startNotice = restoreJob(core);
    root.className = '';
    render(<App core={core} startNotice={startNotice} />, root);
    document.body.dataset.ready = '1';
  } catch (e) {
    root.textContent = `计算核心未能载入：${String(e)}。请确认浏览器支持 WebAssembly，然后重新载入页面。`;
    root.className = 'failed';
  }
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    // A new version taking over a page already kept says so: what runs now is the old one until a reload.
    const hadWorker = !!navigator.serviceWorker.controller;
    navigator.serviceWorker.addEventListener('controllerchange', () => {
      if (hadWorker) showUpdated();
    });
    navigator.serviceWorker.register('./sw.js').catch(() => {
      // Without the worker the page still works; it only will not open offline.
    });
  }
}

function showUpdated(): void {
  if (document.querySelector('.updated')) return;
  const bar = document.createElement('div');
  bar.className = 'updated';
  bar.setAttribute('role', 'status');
  bar.textContent = '新版本已存到本机，重新载入页面后使用（作业会保留）。';
  const button = document.createElement('button');
  button.type = 'button';
  button.textContent = '重新载入';
  button.addEventListener('click', () => location.reload());
  bar.appendChild(button);
  document.body.appendChild(bar);
}

void start();
