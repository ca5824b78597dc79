#include "ui/MessageService.h"

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>

#include "ui/AboutDlg.h"
#include "ui/Ask.h"
#include "ui/Error.h"
#include "ui/Info.h"
#include "ui/Msg.h"
#include "texts/Commonlan.h"

namespace {
MessageScript* g_script = nullptr;
}

struct MessageServiceAccess {
  static MessageScript* script() { return g_script; }
  static int NextAnswer() {
    if (g_script->answers_.empty()) return 2;
    const int r = g_script->answers_.front();
    g_script->answers_.pop_front();
    return r;
  }
  static QString NextFile() {
    if (g_script->files_.empty()) return QString();
    QString f = g_script->files_.front();
    g_script->files_.pop_front();
    return f;
  }
  static void Record(const MessageRecord& r, QWidget* window) {
    g_script->records_.push_back(r);
    if (g_script->onShow_) g_script->onShow_(g_script->records_.back(), window);
  }
};

using Access = MessageServiceAccess;

namespace {
MessageRecord MakeRecord(MessageKind kind, const QString& caption, const QStringList& lines = {}) {
  MessageRecord r;
  r.kind = kind;
  r.caption = caption;
  r.lines = lines;
  return r;
}
}  // namespace

QString MessageRecord::Text() const {
  QStringList parts{caption};
  parts += lines;
  return parts.join(QLatin1Char(' '));
}

MessageScript::MessageScript() { g_script = this; }
MessageScript::~MessageScript() {
  if (g_script == this) g_script = nullptr;
}
void MessageScript::Answer(int modalResult) { answers_.push_back(modalResult); }
void MessageScript::AnswerFile(const QString& path) { files_.push_back(path); }
void MessageScript::OnShow(std::function<void(const MessageRecord&, QWidget*)> fn) { onShow_ = std::move(fn); }

int MessageScript::Count(MessageKind kind) const {
  int n = 0;
  for (const MessageRecord& r : records_) n += r.kind == kind;
  return n;
}

MessageRecord MessageScript::Last(MessageKind kind) const {
  for (auto it = records_.rbegin(); it != records_.rend(); ++it)
    if (it->kind == kind) return *it;
  return MessageRecord{};
}

bool MessageScript::Contains(const QString& fragment) const {
  for (const MessageRecord& r : records_)
    if (r.Text().contains(fragment)) return true;
  return false;
}

bool MessagesScripted() { return g_script != nullptr; }

void EnsureMessageWindows() {
  if (!AskForm) AskForm = new TAskForm;
  if (!ErrorForm) ErrorForm = new TErrorForm;
  if (!InfoForm) InfoForm = new TInfoForm;
  if (!MsgForm) MsgForm = new TMsgForm;
  if (!AboutBox) AboutBox = new TAboutBox;
}

void ShowNotice(const QString& caption, const QString& line) {
  EnsureMessageWindows();
  ErrorForm->setWindowTitle(caption);
  ErrorForm->errorMsg->setText(line);
  if (g_script) {
    ErrorForm->FormActivate();
    Access::Record(MakeRecord(MessageKind::Notice, caption, {line}), ErrorForm);
    return;
  }
  ErrorForm->ShowModal();
}

int ShowQuestion(const QString& caption, const QString& line1, const QString& line2,
                 const QString& yesCaption, const QString& closeCaption) {
  EnsureMessageWindows();
  AskForm->setWindowTitle(caption);
  AskForm->askMsg1->setText(line1);
  AskForm->askMsg2->setText(line2);
  AskForm->BitBtn1->setText(yesCaption.isNull() ? QStringLiteral("Kyllä") : yesCaption);
  AskForm->Button1->setText(closeCaption.isNull() ? QStringLiteral("Sulje") : closeCaption);
  if (g_script) {
    AskForm->FormActivate();
    MessageRecord r = MakeRecord(MessageKind::Question, caption, {line1, line2});
    r.yesCaption = AskForm->BitBtn1->text();
    r.closeCaption = AskForm->Button1->text();
    int answer = Access::NextAnswer();
    // Without a yes button the window can only be closed.
    if (AskForm->BitBtn1->text().isEmpty()) answer = 2;
    r.result = answer == 1 ? 1 : 2;
    Access::Record(r, AskForm);
    return r.result;
  }
  return AskForm->ShowModal();
}

void ShowMessage(const QString& caption, const QString& line1, const QString& line2) {
  EnsureMessageWindows();
  MsgForm->setWindowTitle(caption);
  MsgForm->msg1->setText(line1);
  MsgForm->msg2->setText(line2);
  if (g_script) {
    MsgForm->FormActivate();
    Access::Record(MakeRecord(MessageKind::Message, caption, {line1, line2}), MsgForm);
    return;
  }
  MsgForm->ShowModal();
}

void ShowHelpText(const QString& caption, const QStringList& lines) {
  EnsureMessageWindows();
  InfoForm->setWindowTitle(caption);
  InfoForm->RichEdit1->clear();
  for (const QString& line : lines) InfoForm->RichEdit1->append(line);
  InfoForm->RichEdit1->moveCursor(QTextCursor::Start);
  if (g_script) {
    InfoForm->FormActivate();
    Access::Record(MakeRecord(MessageKind::HelpText, caption, lines), InfoForm);
    return;
  }
  InfoForm->ShowModal();
}

void ShowAboutBox() {
  EnsureMessageWindows();
  if (g_script) {
    AboutBox->FormActivate();
    Access::Record(MakeRecord(MessageKind::About, AboutBox->windowTitle()), AboutBox);
    return;
  }
  AboutBox->exec();
}

namespace {

QString ScriptedFile(MessageKind kind, const QString& caption, const QString& folder, const QString& filter) {
  MessageRecord r = MakeRecord(kind, caption);
  r.folder = folder;
  r.filter = filter;
  r.path = Access::NextFile();
  r.result = r.path.isEmpty() ? 0 : 1;
  Access::Record(r, nullptr);
  return r.path;
}

}  // namespace

QString OpenFileDialog(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                       const QString& defaultSuffix) {
  if (g_script) return ScriptedFile(MessageKind::OpenFile, caption, folder, filter);
  if (defaultSuffix.isEmpty())
    return QFileDialog::getOpenFileName(parent, caption, folder, filter, nullptr,
                                        QFileDialog::ReadOnly | QFileDialog::DontUseNativeDialog);
  // A name typed without an extension gets the default one.
  QFileDialog dialog(parent, caption, folder, filter);
  dialog.setObjectName(QStringLiteral("OpenDialog1"));
  dialog.setOptions(QFileDialog::ReadOnly | QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setDefaultSuffix(defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().constFirst();
}

QString SaveFileDialog(QWidget* parent, const QString& caption, const QString& folder, const QString& filter) {
  if (g_script) return ScriptedFile(MessageKind::SaveFile, caption, folder, filter);
  return QFileDialog::getSaveFileName(parent, caption, folder, filter, nullptr,
                                      QFileDialog::DontUseNativeDialog);
}

QString FolderDialog(QWidget* parent, const QString& caption, const QString& folder) {
  if (g_script) return ScriptedFile(MessageKind::Folder, caption, folder, QString());
  return QFileDialog::getExistingDirectory(parent, caption, folder,
                                           QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
}

int SystemMessageBox(const QString& caption, const QString& text, bool yesNo) {
  if (g_script) {
    MessageRecord r = MakeRecord(MessageKind::SystemBox, caption, {text});
    r.result = yesNo ? (Access::NextAnswer() == 1 ? 1 : 2) : 1;
    Access::Record(r, nullptr);
    return r.result;
  }
  QMessageBox box(yesNo ? QMessageBox::Question : QMessageBox::Warning, caption, text,
                  yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok);
  if (yesNo) {
    box.button(QMessageBox::Yes)->setText(CommonlanText(38));
    box.button(QMessageBox::No)->setText(CommonlanText(39));
  }
  const int r = box.exec();
  return (r == QMessageBox::Ok || r == QMessageBox::Yes) ? 1 : 2;
}

void RecordBusyDisplay(const QString& text) {
  if (!g_script) return;
  Access::Record(MakeRecord(MessageKind::Busy, text), nullptr);
}
