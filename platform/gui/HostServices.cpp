#include "HostServices.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QScreen>
#include <QStyle>

namespace zar {

// ---- TTimer ----------------------------------------------------------------------

TTimer::TTimer(QObject* owner) : QObject(owner) {
  connect(&FTimer, &QTimer::timeout, this, [this] {
    if (OnTimer) OnTimer(this);
  });
  Update();
}

void TTimer::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  Update();
}

void TTimer::SetInterval(int milliseconds) {
  if (milliseconds == FInterval) return;
  FInterval = milliseconds;
  Update();
}

void TTimer::Update() {
  FTimer.stop();
  if (FEnabled && FInterval > 0) FTimer.start(FInterval);
}

// ---- Clipboard, screen, mouse ------------------------------------------------------

std::string TClipboard::AsText() { return QGuiApplication::clipboard()->text().toStdString(); }

void TClipboard::SetAsText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

int TScreen::Width() { return QGuiApplication::primaryScreen()->geometry().width(); }

int TScreen::Height() { return QGuiApplication::primaryScreen()->geometry().height(); }

int VerticalScrollBarWidth() {
  QStyle* style = QApplication::style();
  return style ? style->pixelMetric(QStyle::PM_ScrollBarExtent) : 16;
}

QPoint TMouse::CursorPos() { return QCursor::pos(); }

// ---- Beep --------------------------------------------------------------------------

namespace {

std::function<void()>& BeepHandler() {
  static std::function<void()> handler;
  return handler;
}

}  // namespace

void Beep() {
  if (BeepHandler())
    BeepHandler()();
  else
    QApplication::beep();
}

std::function<void()> SetBeepHandler(std::function<void()> handler) {
  return std::exchange(BeepHandler(), std::move(handler));
}

}  // namespace zar
