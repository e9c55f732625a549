#include "solver_window/form_ventrolex.h"

#include "charts/iteration_chart.h"
#include "flow/area_ratio.h"
#include "flow/mach_iteration.h"
#include "flow/texts.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/group_frame.h"
#include "form_runtime/colour.h"
#include "form_runtime/command_button.h"
#include "form_runtime/message_box.h"
#include "form_runtime/option_button.h"
#include "form_runtime/text_box.h"
#include "form_runtime/twips.h"
#include "form_runtime/window_icon.h"
#include "solver_window/texts.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>

#include <type_traits>

using form_runtime::twips;
namespace texts = solver_window::texts;

namespace {

constexpr int kFormWidth = 4335, kFormHeight = 7005; // the form's client area, in twips

// One control of the layout: its name, container, place in twips and caption;
// its place is kept, for the zoom.
template <typename Control>
Control *control(std::vector<std::pair<QWidget *, QRect>> &places, const char *name, QWidget *container,
                 const QRect &inTwips, const QString &caption = {})
{
    auto *c = new Control(container);
    c->setObjectName(QLatin1String(name));
    c->setGeometry(twips(inTwips.x(), inTwips.y(), inTwips.width(), inTwips.height()));
    places.emplace_back(c, inTwips);
    if constexpr (std::is_base_of_v<QGroupBox, Control>)
        c->setTitle(caption);
    else if constexpr (!std::is_base_of_v<form_runtime::ChartSurface, Control>)
        c->setText(caption);
    if constexpr (std::is_base_of_v<QLineEdit, Control>)
        c->setTextMargins(-2, 0, -1, 0); // text just inside the frame, so 6 digits fit the narrow boxes in any shipped style
    return c;
}

// A control with a caption is heard by its caption; a box by what it holds.
void speakAs(QWidget *box, const solver_window::texts::SpokenRole &role)
{
    box->setAccessibleName(role.name);
    box->setAccessibleDescription(role.description);
}


} // namespace

QFont Form_Ventrolex::dialogFont()
{
    // A condensed sans-serif keeps a six-character result whole in the narrow
    // station-2 boxes at the small dialog size.
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans Narrow"),
                      QStringLiteral("Arial Narrow"), QStringLiteral("Sans Serif")});
    if (form_runtime::zoomQuarters() == form_runtime::kActualSize)
        font.setPointSize(8);
    else
        font.setPointSizeF(form_runtime::zoomed(8));
    return font;
}

Form_Ventrolex::Form_Ventrolex(QWidget *parent) : Form_Ventrolex(*new NozzleCase, parent)
{
    case_->setParent(this);
}

Form_Ventrolex::Form_Ventrolex(NozzleCase &nozzleCase, QWidget *parent) : QMainWindow(parent), case_(&nozzleCase)
{
    buildControls();
    Form_Load();
}

void Form_Ventrolex::buildControls()
{
    setObjectName(QStringLiteral("Form_Ventrolex"));
    setWindowTitle(texts::kWindowCaption);
    setWindowIcon(form_runtime::windowIcon());
    setFont(dialogFont());

    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client); // in its place before its controls are made
    layout()->setSizeConstraint(QLayout::SetFixedSize); // the form's size is the layout's
    takeDesktopColours();

    Frame1 = control<form_runtime::GroupFrame>(layoutTwips, "Frame1", client, QRect(120, 0, 4095, 1815));
    Frame2 = control<form_runtime::GroupFrame>(layoutTwips, "Frame2", Frame1, QRect(120, 120, 1455, 975));
    Label1 = control<QLabel>(layoutTwips, "Label1", Frame2, QRect(120, 240, 615, 255), texts::kA1);
    Text_A1 = control<form_runtime::TextBox>(layoutTwips, "Text_A1", Frame2, QRect(600, 240, 735, 285), texts::kInitialValue);
    Label2 = control<QLabel>(layoutTwips, "Label2", Frame2, QRect(120, 600, 615, 255), texts::kM1);
    Text_M1 = control<form_runtime::TextBox>(layoutTwips, "Text_M1", Frame2, QRect(600, 600, 735, 285), texts::kInitialValue);
    Frame4 = control<form_runtime::GroupFrame>(layoutTwips, "Frame4", Frame1, QRect(120, 1080, 1455, 615));
    Label3 = control<QLabel>(layoutTwips, "Label3", Frame4, QRect(120, 240, 495, 255), texts::kAstar);
    Text_Astar = control<form_runtime::TextBox>(layoutTwips, "Text_Astar", Frame4, QRect(600, 240, 735, 285), texts::kInitialValue);
    Frame3 = control<form_runtime::GroupFrame>(layoutTwips, "Frame3", Frame1, QRect(1680, 120, 2295, 1575), texts::kOutputOptions);
    Option_A2 = control<form_runtime::OptionButton>(layoutTwips, "Option_A2", Frame3, QRect(120, 240, 615, 255), texts::kOptionA2);
    Text_A2 = control<form_runtime::TextBox>(layoutTwips, "Text_A2", Frame3, QRect(840, 240, 615, 285), texts::kInitialValue);
    Option_Msub = control<form_runtime::OptionButton>(layoutTwips, "Option_Msub", Frame3, QRect(120, 600, 495, 255), texts::kOptionM);
    Text_Msub = control<form_runtime::TextBox>(layoutTwips, "Text_Msub", Frame3, QRect(840, 600, 615, 285), texts::kInitialValue);
    Text_Msup = control<form_runtime::TextBox>(layoutTwips, "Text_Msup", Frame3, QRect(1560, 600, 615, 285), texts::kInitialValue);
    Command1 = control<form_runtime::CommandButton>(layoutTwips, "Command1", Frame3, QRect(120, 960, 1575, 495),
                                                    texts::kChooseAnOutputOption);
    Picture_geo = control<form_runtime::ChartSurface>(layoutTwips, "Picture_geo", client, QRect(120, 1920, 4095, 2295));
    Picture_iter = control<form_runtime::ChartSurface>(layoutTwips, "Picture_iter", client, QRect(120, 4320, 4035, 2595));

    // What a screen reader says for the groups, boxes and charts, whose
    // captions are their contents or nothing. The station-2 boxes change
    // roles with the option.
    Frame2->setAccessibleName(texts::kStation1);
    Frame4->setAccessibleName(texts::kThroat);
    speakAs(Text_M1, texts::kInputM1);
    speakAs(Text_A1, texts::kInputA1);
    speakAs(Text_Astar, texts::kResultAstar);
    speakStationTwoRoles();
    Picture_geo->setAccessibleName(texts::kNozzleChart);
    Picture_iter->setAccessibleName(texts::kIterationChart);

    // The geometry chart's background is fixed pale yellow, so its contour is
    // fixed black rather than the desktop's text colour, which may be light.
    QPalette paleYellow = Picture_geo->palette();
    paleYellow.setColor(QPalette::Window, form_runtime::colourOf(form_runtime::kPaleYellow));
    paleYellow.setColor(QPalette::WindowText, Qt::black);
    Picture_geo->setPalette(paleYellow);
    Text_Msup->setVisible(false);
    Picture_iter->setVisible(false);
    Command1->setAutoDefault(false);

    // Keyboard order of the layout; labels and frames take no focus.
    QWidget *const tabOrder[] = {Picture_geo, Text_Astar, Text_Msup, Text_Msub, Text_A2, Text_A1,
                                 Text_M1, Picture_iter, Command1, Option_A2, Option_Msub};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    Picture_geo->setFocus();

    buildChartMenus();

    Mn_About = menuBar()->addAction(texts::kAbout);
    Mn_About->setObjectName(QStringLiteral("Mn_About"));
    buildGasMenu();

    connect(Option_A2, &form_runtime::OptionButton::chosen, this, &Form_Ventrolex::Option_A2_Click);
    connect(Option_Msub, &form_runtime::OptionButton::chosen, this, &Form_Ventrolex::Option_Msub_Click);
    connect(Command1, &QPushButton::clicked, this, &Form_Ventrolex::Command1_Click);
    connect(Picture_geo, &form_runtime::ChartSurface::activated, this, &Form_Ventrolex::bareNozzleChart);
    // An announced result is not read again once the problem has changed.
    for (form_runtime::TextBox *box : {Text_A1, Text_M1, Text_Astar, Text_A2, Text_Msub, Text_Msup}) {
        connect(box, &QLineEdit::textEdited, this, [this] { announcement.clear(); });
        connect(box, &QLineEdit::returnPressed, this, [this, box] { solveOnReturn(box); });
    }

    layOutAtZoom();
}

void Form_Ventrolex::hideMenuBar()
{
    menuBar()->removeAction(Mn_About);
    menuBar()->removeAction(Mn_Gas->menuAction());
    menuBar()->hide();
    layout()->invalidate();
    layout()->activate(); // the form's size without it
}

// Every control at its place at the zoom, every font at its size.
void Form_Ventrolex::layOutAtZoom()
{
    setFont(dialogFont());
    for (const auto &[control, r] : layoutTwips)
        control->setGeometry(form_runtime::twips(r.x(), r.y(), r.width(), r.height()));
    client->setFixedSize(form_runtime::twipsToPixels(kFormWidth), form_runtime::twipsToPixels(kFormHeight));
    layout()->activate();
}

void Form_Ventrolex::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && client) // the desktop's, as the window follows it
        takeDesktopColours();
}

// The form's backgrounds are the desktop's, not a scroll area's: some styles
// (Windows 11) make a scroll area's background transparent, and the form
// would inherit that.
void Form_Ventrolex::takeDesktopColours()
{
    const QPalette desktop = QApplication::palette();
    QPalette colours = client->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
            colours.setBrush(group, role, desktop.brush(group, role));
    client->setPalette(colours);
}

void Form_Ventrolex::Form_Load()
{
    gasK = texts::kGases[0].k;
    Text_A2->setVisible(false);
    Text_Msub->setVisible(false);
    Text_Msup->setVisible(false);
}

void Form_Ventrolex::speakStationTwoRoles()
{
    if (Option_A2->isChecked()) {
        speakAs(Text_Msub, texts::kInputM2);
        speakAs(Text_A2, texts::kResultA2);
    } else {
        speakAs(Text_A2, texts::kInputA2);
        speakAs(Text_Msub, texts::kResultMsub);
    }
    speakAs(Text_Msup, texts::kResultMsup);
}

double Form_Ventrolex::AAfM(double Mi) const
{
    return flow::AAfM(Mi, gas());
}

double Form_Ventrolex::M_iter(double AAr, double Mr, std::string_view rejim)
{
    lastIterates.clear();
    const flow::MachIteration result = flow::M_iter(AAr, Mr, rejim, gas(), &lastIterates);
    lastConverged = result.converged;
    if (!result.converged) {
        // The root the iteration did not reach, for a known regime about the throat.
        const std::optional<flow::Branch> branch = flow::branchNamed(rejim);
        std::optional<double> root;
        if (Mr == 1 && branch)
            root = flow::machFrom(flow::Quantity::A_As, AAr, *branch, gas());
        const QString cause = root ? texts::notSettled(branch == flow::Branch::Subsonic, form_runtime::shownText(result.M),
                                                       QString::number(AAr, 'g', 6), form_runtime::shownText(*root))
                                   : QString();
        form_runtime::MsgBox(QString::fromUtf8(flow::kNotConverged), cause, this);
    }
    return result.M;
}

void Form_Ventrolex::grafik_Geo()
{
    bareChartK = std::numeric_limits<double>::quiet_NaN();
    charts::grafik_Geo(*Picture_geo, geoTables, gas());
}

void Form_Ventrolex::Grafik_iter(double AAr, double Mr)
{
    charts::Grafik_iter(*Picture_iter, AAr, Mr, gas());
}

// A solution is complete: it is announced, with what its boxes were read as,
// it is the one the charts' menus copy, and it is the case's.
void Form_Ventrolex::completed(Solution solution, NozzleCase::Solution shared, const QString &spoken)
{
    QStringList briefs;
    for (const auto &[box, doubt] : doubtsAboutInput()) {
        briefs << doubt.brief;
        solution.notes.emplace_back(box->accessibleName(), doubt.note);
        shared.doubts << doubt.note;
    }
    announcement.announce(briefs.isEmpty() ? spoken : spoken + QStringLiteral(". ") + briefs.join(QLatin1Char(' ')));
    Picture_geo->setDescription(withGas(Picture_geo->description()));
    solution.gas = case_->gasName();
    lastSolution = std::move(solution);
    solutionShown = true;
    case_->setSolution(std::move(shared));
}

// Return or Enter in an input box solves, as the command button does.
void Form_Ventrolex::solveOnReturn(form_runtime::TextBox *box)
{
    const bool input = box == Text_M1 || box == Text_A1 || (box == Text_A2 && !Option_A2->isChecked()) ||
                       (box == Text_Msub && Option_A2->isChecked());
    if (input)
        Command1->click();
}
