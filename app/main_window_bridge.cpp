// The main window's two pages: the form, exactly as it is, and the bridge
// page, switched by tabs in the menu bar's corner or from 查看.

#include <QMenuBar>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>

#include "bridge_page.h"
#include "bridge_page_texts.h"
#include "form1.h"
#include "main_window.h"

namespace capset {

void MainWindow::BuildPages() {
  pages_ = new QStackedWidget;
  pages_->setObjectName("Pages");
  pages_->addWidget(formArea_);
  setCentralWidget(pages_);
  pageTabs_ = new QTabBar;
  pageTabs_->setObjectName("PageTabs");
  pageTabs_->setDrawBase(false);
  pageTabs_->setExpanding(false);
  pageTabs_->addTab(QString::fromUtf8(kFormPageTitle));
  pageTabs_->addTab(QString::fromUtf8(kBridgePageTitle));
  menuBar()->setCornerWidget(pageTabs_, Qt::TopRightCorner);
  connect(pageTabs_, &QTabBar::currentChanged, this, [this](int page) { ShowPage(page); });
}

BridgePage& MainWindow::Bridges() {
  if (bridgePage_ == nullptr) {
    bridgePage_ = new BridgePage(Session(), reader_.Symbols());
    pages_->addWidget(bridgePage_);
    connect(bridgePage_, &BridgePage::PositionChanged, this, [this](const QString& text) { statusBar()->showMessage(text); });
  }
  return *bridgePage_;
}

void MainWindow::ShowPage(int page) {
  QWidget* shown = page == 1 ? static_cast<QWidget*>(&Bridges()) : formArea_;
  pages_->setCurrentWidget(shown);
  if (pageTabs_->currentIndex() != page) pageTabs_->setCurrentIndex(page);
}

int MainWindow::ShownPage() const { return pages_->currentWidget() == formArea_ ? 0 : 1; }

}  // namespace capset
