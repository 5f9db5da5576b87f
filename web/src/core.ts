// The core (the C++ session built for WebAssembly) behind one function:
// a request object in, an answer object out. It is loaded from the site's
// own files; the page is usable only once it is there.

import type { Answer } from './answers';

export interface Core {
  call(request: Record<string, unknown>): Answer;
}

interface CapsetModule {
  cwrap(name: string, returns: string, args: string[]): (request: string) => string;
}

type Factory = () => Promise<CapsetModule>;

/** An answer the page makes itself when the core could not give one. */
export function pageRefusal(text: string, fault = 'page'): Answer {
  return { ok: false, fault, problems: [{ line: 0, text }], notices: [] };
}

/** Wraps the module's string function: every failure comes back as an answer that says what failed. */
export function wrapCall(raw: (request: string) => string): Core {
  let broken = '';
  return {
    call(request) {
      // After a trap the module's memory may be half-written: no answer from it can be trusted.
      if (broken) return pageRefusal(broken, 'module');
      let text: string;
      try {
        text = raw(JSON.stringify(request));
      } catch (e) {
        // The job as it was before this call is kept on the device (keep.ts): a reload brings it back.
        broken = `计算核心出错，已停止使用（${String(e)}）：请重新载入页面，作业会恢复到出错前的样子。`;
        return pageRefusal(broken, 'module');
      }
      try {
        const answer = JSON.parse(text) as Answer;
        if (answer && typeof answer === 'object' && typeof answer.ok === 'boolean') return answer;
      } catch {
        // reported below
      }
      return pageRefusal('计算核心的回答无法读取。', 'module');
    },
  };
}

/** Loads the module beside app.js, or a stand-in a development build put on the page. */
export async function loadCore(): Promise<Core> {
  const standIn = (globalThis as { capsetStandIn?: Core }).capsetStandIn;
  if (standIn) return standIn;
  const url = new URL('./capset_web.mjs', import.meta.url).href;
  const mod = (await import(/* @vite-ignore */ url)) as { default: Factory };
  const module = await mod.default();
  return wrapCall(module.cwrap('capset_call', 'string', ['string']));
}
