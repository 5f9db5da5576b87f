// A fault in one tab's drawing must not take the page (and the unsaved job)
// with it: the tab says what failed, and every other tab, the files tab with
// its 保存作业 among them, goes on working.

import { Component, ComponentChildren } from 'preact';

interface Props {
  children: ComponentChildren;
}

interface State {
  fault: string;
}

export class TabGuard extends Component<Props, State> {
  state: State = { fault: '' };

  static getDerivedStateFromError(error: unknown): State {
    return { fault: String(error instanceof Error ? error.message : error) };
  }

  render() {
    if (this.state.fault) {
      return (
        <section>
          <ul class="problems" data-testid="problems" role="alert">
            <li>此页显示出错（{this.state.fault}）。作业没有改变：可到“文件”页保存作业，再重新载入页面。</li>
          </ul>
        </section>
      );
    }
    return this.props.children;
  }
}
