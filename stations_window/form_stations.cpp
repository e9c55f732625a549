#include "stations_window/form_stations.h"

#include "form_runtime/csv_file.h"
#include "form_runtime/message_box.h"
#include "form_runtime/table_view.h"
#include "form_runtime/top_level.h"
#include "form_runtime/window_icon.h"
#include "form_runtime/wrapped_label.h"
#include "stations_window/texts.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace texts = stations_window::texts;

namespace {

QLabel *wrappedLabel(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new form_runtime::WrappedLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

} // namespace

Form_Stations::Form_Stations(QWidget *parent) : QWidget(parent), table_(new stations_window::StationTable(this))
{
    setObjectName(QStringLiteral("Form_Stations"));
    setWindowTitle(texts::kTitle);
    setWindowIcon(form_runtime::windowIcon());
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);

    gasName_ = texts::kAir;
    gas_ = wrappedLabel(texts::gasLine(gasName_), "Label_Gas", this);
    noSolution_ = wrappedLabel(texts::kNoSolutionYet, "Label_NoSolution", this);
    solvedFrom_ = wrappedLabel(QString(), "Label_Solution", this);
    solvedFrom_->hide();

    view_ = new form_runtime::TableView(this);
    view_->setObjectName(QStringLiteral("Table_Stations"));
    view_->setAccessibleName(texts::kTableName);
    view_->setModel(table_);
    view_->setTabKeyNavigation(false); // Tab leaves the table; the arrow keys move in it
    view_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::DoubleClicked);
    view_->setWordWrap(false);
    // Columns as wide as their header or a number of the table's usual width,
    // so that the table keeps its size as solutions come and go; a wider
    // number is cut, and its tooltip gives it whole.
    QHeaderView *columns = view_->horizontalHeader();
    const int number = view_->fontMetrics().horizontalAdvance(QStringLiteral("0.000000")) + 12;
    columns->setMinimumSectionSize(number);
    columns->resizeSections(QHeaderView::ResizeToContents); // the headers alone: the table is empty now
    QHeaderView *rows = view_->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(view_->fontMetrics().height() + 4);
    rows->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // the window is as large as the table
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rows->setMinimumWidth(view_->fontMetrics().horizontalAdvance(texts::kStation2Supersonic) + 16);
    view_->installEventFilter(this);

    notes_ = wrappedLabel(QString(), "Label_StationNotes", this);
    notes_->hide();
    auto *help = wrappedLabel(texts::kLookUpHelp, "Label_LookUp", this);
    lookUpLine_ = wrappedLabel(QString(), "Label_LookUpProblem", this);

    auto *branch = new QLabel(texts::kBranch, this);
    subsonic_ = new QRadioButton(texts::kSubsonic, this);
    subsonic_->setObjectName(QStringLiteral("Option_Subsonic"));
    supersonic_ = new QRadioButton(texts::kSupersonic, this);
    supersonic_->setObjectName(QStringLiteral("Option_Supersonic"));
    subsonic_->setChecked(true);
    auto *branches = new QButtonGroup(this);
    branches->addButton(subsonic_);
    branches->addButton(supersonic_);

    auto *copy = new QPushButton(texts::kCopyTable, this);
    copy->setObjectName(QStringLiteral("Command_CopyTable"));
    auto *save = new QPushButton(texts::kSaveAsCsv, this);
    save->setObjectName(QStringLiteral("Command_SaveAsCsv"));

    auto *branchRow = new QHBoxLayout;
    branchRow->addWidget(branch);
    branchRow->addWidget(subsonic_);
    branchRow->addWidget(supersonic_);
    branchRow->addStretch();
    branchRow->addWidget(copy);
    branchRow->addWidget(save);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(gas_);
    layout->addWidget(noSolution_);
    layout->addWidget(solvedFrom_);
    layout->addWidget(view_, 0, Qt::AlignLeft);
    layout->addWidget(notes_);
    layout->addWidget(help);
    layout->addLayout(branchRow);
    layout->addWidget(lookUpLine_);
    layout->setSizeConstraint(QLayout::SetFixedSize); // every column and row in view, as the table grows

    // A look-up that finds no station is said, not only shown.
    connect(table_, &stations_window::StationTable::lookedUp, this, [this](const QString &problem) {
        lookUpLine_->setText(problem);
        if (problem.isEmpty())
            announcement_.clear();
        else
            announcement_.announce(problem);
    });
    connect(supersonic_, &QRadioButton::toggled, this, [this](bool on) {
        table_->setBranch(on ? flow::Branch::Supersonic : flow::Branch::Subsonic);
    });
    connect(copy, &QPushButton::clicked, this, &Form_Stations::copyTable);
    connect(save, &QPushButton::clicked, this, &Form_Stations::chooseCsvFile);
}

Form_Stations &Form_Stations::instance()
{
    return form_runtime::oneWindow<Form_Stations>();
}

Form_Stations *Form_Stations::existing()
{
    return form_runtime::existingWindow<Form_Stations>();
}

void Form_Stations::setStations(std::vector<stations_window::StationRow> stations, double As,
                                const QString &solvedFrom)
{
    table_->setStations(std::move(stations), As);
    // Changed only when it changes: each change lays the window out again.
    const auto show = [](QLabel *label, const QString &text) {
        if (label->text() != text)
            label->setText(text);
        if (label->isHidden() != text.isEmpty())
            label->setHidden(text.isEmpty());
    };
    show(solvedFrom_, solvedFrom);
    show(notes_, table_->notes());
    if (noSolution_->isHidden() != table_->hasStations())
        noSolution_->setHidden(table_->hasStations());
}

void Form_Stations::setGas(const flow::GasConstants &gas, const QString &name)
{
    if (name == gasName_)
        return;
    gasName_ = name;
    gas_->setText(texts::gasLine(name));
    table_->setGas(gas);
    setStations({}, std::numeric_limits<double>::quiet_NaN(), QString());
    lookUpLine_->clear();
}

void Form_Stations::copyTable()
{
    QGuiApplication::clipboard()->setText(texts::kGasHeader + QLatin1Char('\t') + gasName_ + QLatin1Char('\n') +
                                          stations_window::tableText(table_->rows(), QLatin1Char('\t')));
}

QByteArray Form_Stations::csv() const
{
    return (texts::kGasHeader + QStringLiteral(",\"") + gasName_ + QStringLiteral("\"\n") +
            stations_window::tableText(table_->rows(), QLatin1Char(',')))
        .toUtf8();
}

void Form_Stations::saveAsCsv(const QString &fileName)
{
    QSaveFile file(fileName);
    const QByteArray content = csv();
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        form_runtime::MsgBox(texts::tableNotSaved(QDir::toNativeSeparators(fileName), file.errorString()), this);
}

void Form_Stations::chooseCsvFile()
{
    form_runtime::chooseCsvFile(this, texts::kSaveAsCsv, texts::kCsvFile, texts::kCsvFilter, csv(),
                                [this](const QString &name) { saveAsCsv(name); });
}

void Form_Stations::copySelection()
{
    const QString text = table_->cellsText(view_->selectionModel()->selectedIndexes());
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

// Ctrl+C in the table copies the selected cells, unrounded.
bool Form_Stations::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        copySelection();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
