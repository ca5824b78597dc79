#include "ui/ApplicationWindows.h"

#include <vector>

#include "ui/WindowHelpers.h"

namespace {
std::vector<QWidget*> g_windows;
}

void AddApplicationWindow(QWidget* window) { g_windows.push_back(window); }

QWidget* TakeLastApplicationWindow() {
  if (g_windows.empty()) return nullptr;
  QWidget* w = g_windows.back();
  g_windows.pop_back();
  return w;
}

QWidget* ApplicationWindow(const QString& name) {
  for (QWidget* w : g_windows)
    if (w->objectName() == name) return w;
  return nullptr;
}

QWidget* MainApplicationWindow() { return g_windows.empty() ? nullptr : g_windows.front(); }

TPendingWindow::TPendingWindow(const QString& name, int width, int height, QWidget* parent) : QDialog(parent) {
  setObjectName(name);
  setWindowTitle(PadCaption(QString()));
  SetOuterSize(this, width, height);
}
