#include "working_window/form_working.h"

#include "form_runtime/message_box.h"
#include "form_runtime/while_shown.h"
#include "nozzle_case/nozzle_case.h"
#include "working_window/texts.h"
#include "working_window/working.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace texts = working_window::texts;

Form_Working::Form_Working(NozzleCase &nozzleCase, QWidget *parent) : QWidget(parent), case_(nozzleCase)
{
    setObjectName(QStringLiteral("Form_Working"));
    setWindowTitle(texts::kTitle);
    Text_Working = new QTextBrowser(this);
    Text_Working->setObjectName(QStringLiteral("Text_Working"));
    Text_Working->setAccessibleName(texts::kViewName);
    Text_Working->setAccessibleDescription(texts::kViewSpoken);
    Text_Working->setOpenLinks(false);
    Text_Working->setTabChangesFocus(true);
    Text_Working->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    const auto button = [this](const QString &text, const char *name) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    Command_CopyWorking = button(texts::kCopyWorking, "Command_CopyWorking");
    Command_CopyLatex = button(texts::kCopyLatex, "Command_CopyLatex");
    Command_SaveWorking = button(texts::kSaveWorking, "Command_SaveWorking");
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command_CopyWorking);
    buttons->addWidget(Command_CopyLatex);
    buttons->addWidget(Command_SaveWorking);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Text_Working, 1);
    layout->addLayout(buttons);

    connect(Command_CopyWorking, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(plain_); });
    connect(Command_CopyLatex, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(latex_); });
    connect(Command_SaveWorking, &QPushButton::clicked, this, &Form_Working::chooseFile);

    auto *whileShown = new form_runtime::WhileShown(this);
    whileShown->follow(&case_, &NozzleCase::gasChanged, [this] { rewrite(); });
    whileShown->follow(&case_, &NozzleCase::solutionChanged, [this] { rewrite(); });
    whileShown->follow(&case_, &NozzleCase::reservoirChanged, [this] { rewrite(); });
    whileShown->follow(&case_, &NozzleCase::inputChanged, [this] { rewrite(); });
    rewrite();
}

void Form_Working::rewrite()
{
    ++rewrites_;
    const std::vector<working::Section> w = working::workingOf(case_);
    plain_ = working::plainText(w);
    latex_ = working::latex(w);
    page_ = working::html(w, true);
    const int scrolled = Text_Working->verticalScrollBar()->value();
    Text_Working->setHtml(working::html(w, false));
    Text_Working->verticalScrollBar()->setValue(scrolled);
}

bool Form_Working::savePage(const QString &file, QString &why) const
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(page_.toUtf8()) < 0 || !out.commit()) {
        why = out.errorString();
        return false;
    }
    return true;
}

void Form_Working::chooseFile()
{
    const QString file = QFileDialog::getSaveFileName(this, texts::kSaveTitle, QStringLiteral("working.html"), texts::kPageFilter);
    if (file.isEmpty())
        return;
    QString why;
    if (!savePage(file, why))
        form_runtime::MsgBox(texts::notSaved(file, why), this);
}
