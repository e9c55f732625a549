#include "working_window/form_working.h"

#include "form_runtime/message_box.h"
#include "form_runtime/while_shown.h"
#include "nozzle_case/nozzle_case.h"
#include "working_window/texts.h"
#include "working_window/working.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBlockFormat>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
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
    Text_Working->setUndoRedoEnabled(false);
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

    connect(Command_CopyWorking, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(plainText()); });
    connect(Command_CopyLatex, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(latex()); });
    connect(Command_SaveWorking, &QPushButton::clicked, this, &Form_Working::chooseFile);

    auto *whileShown = new form_runtime::WhileShown(this);
    whileShown->follow(&case_, &NozzleCase::gasChanged, [this] { rewrite(); });
    whileShown->follow(&case_, &NozzleCase::solutionChanged, [this] { rewrite(); });
    whileShown->follow(&case_, &NozzleCase::reservoirChanged, [this] { rewrite(); });
    whileShown->follow(&case_, &NozzleCase::inputChanged, [this] { rewrite(); });
    whileShown->follow(&case_, &NozzleCase::lookUpChanged, [this] { rewrite(); });
    rewrite();
}

void Form_Working::rewrite()
{
    ++rewrites_;
    working_ = working::workingOf(case_);
    const int scrolled = Text_Working->verticalScrollBar()->value();
    showWorking(working_);
    Text_Working->verticalScrollBar()->setValue(scrolled);
}

// Into the view, from the first section that changed: a slider step
// rewrites the back pressure and the thrust, and the nozzle and the stations
// above them stand as they were laid out.
void Form_Working::showWorking(const std::vector<working::Section> &working)
{
    std::vector<QString> html;
    for (const working::Section &s : working)
        html.push_back(working::html(s));
    std::size_t same = 0;
    while (same < html.size() && same < shown_.size() && html[same] == shown_[same])
        ++same;
    if (same == html.size() && same == shown_.size())
        return;
    QTextDocument *document = Text_Working->document();
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    if (same == 0) {
        cursor.select(QTextCursor::Document);
    } else {
        cursor.setPosition(starts_[same - 1] + lengths_[same - 1]);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
    starts_.resize(same);
    lengths_.resize(same);
    for (std::size_t i = same; i < html.size(); ++i) {
        const int start = cursor.position();
        if (start > 0)
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat()); // the heading starts a block of its own, unindented
        cursor.insertHtml(html[i].trimmed());
        starts_.push_back(start);
        lengths_.push_back(cursor.position() - start);
    }
    cursor.endEditBlock();
    if (same == 0) // written anew: read from the top
        Text_Working->moveCursor(QTextCursor::Start);
    shown_ = std::move(html);
}

QString Form_Working::plainText() const { return working::plainText(working_); }
QString Form_Working::latex() const { return working::latex(working_); }
QString Form_Working::page() const { return working::html(working_, true); }

bool Form_Working::savePage(const QString &file, QString &why) const
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(page().toUtf8()) < 0 || !out.commit()) {
        why = out.errorString();
        return false;
    }
    return true;
}

// In a browser the page is downloaded, and the browser decides where it goes.
void Form_Working::chooseFile()
{
#ifdef Q_OS_WASM
    QFileDialog::saveFileContent(page().toUtf8(), QStringLiteral("working.html"), this);
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString file = QFileDialog::getSaveFileName(this, texts::kSaveTitle, QDir(folder).filePath(QStringLiteral("working.html")),
                                                texts::kPageFilter);
    if (file.isEmpty())
        return;
    if (!file.endsWith(QLatin1String(".html"), Qt::CaseInsensitive) && !file.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive))
        file += QLatin1String(".html");
    QString why;
    if (!savePage(file, why))
        form_runtime::MsgBox(texts::notSaved(file, why), this);
#endif
}
