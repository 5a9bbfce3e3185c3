#include "XBetButtonsView.h"

#include "XButton.h"
#include "XCaption.h"
#include "XNumberColor.h"
#include "XReflowGrid.h"
#include "XWrappingTable.h"
#include "catalogue/BetCatalogue.h"
#include "catalogue/XBetCaption.h"
#include "catalogue/XWheel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

namespace {
// The table's named buttons: their name, the bet behind them, their caption, and
// whether they carry the red style.
struct NamedBet
{
    const char* button;
    const char* entry;
    const char* title;
    bool red;
};
constexpr NamedBet kNamedBets[] = {
    {"topRedButton", "REDTOP", QT_TRANSLATE_NOOP("XBetButtonsView", "T-RED"), true},
    {"middleRedButton", "REDMID", QT_TRANSLATE_NOOP("XBetButtonsView", "M-RED"), true},
    {"bottonRedButton", "REDBOTM", QT_TRANSLATE_NOOP("XBetButtonsView", "B-RED"), true},
    {"threeRedButton", "RED3", QT_TRANSLATE_NOOP("XBetButtonsView", "3-RED"), true},
    {"twoRedButton", "RED2", QT_TRANSLATE_NOOP("XBetButtonsView", "2-RED"), true},
    {"oneRedButton", "RED1", QT_TRANSLATE_NOOP("XBetButtonsView", "1-RED"), true},
    {"redButton", "RED", QT_TRANSLATE_NOOP("XBetButtonsView", "RED"), true},
    {"blackButton", "BLACK", QT_TRANSLATE_NOOP("XBetButtonsView", "BLACK"), false},
    {"evenButton", "EVEN", QT_TRANSLATE_NOOP("XBetButtonsView", "EVEN"), false},
    {"oddButton", "ODD", QT_TRANSLATE_NOOP("XBetButtonsView", "ODD"), false},
    {"topButton", "TOP4T", QT_TRANSLATE_NOOP("XBetButtonsView", "TOP"), false},
    {"middleButton", "TOP4M", QT_TRANSLATE_NOOP("XBetButtonsView", "MID"), false},
    {"bottomButton", "TOP4B", QT_TRANSLATE_NOOP("XBetButtonsView", "BOTM"), false},
    {"topBlkButton", "BLACKTOP", QT_TRANSLATE_NOOP("XBetButtonsView", "T-BLK"), false},
    {"topEvenButton", "EVENTOP", QT_TRANSLATE_NOOP("XBetButtonsView", "T-EVEN"), false},
    {"topOddButton", "ODDTOP", QT_TRANSLATE_NOOP("XBetButtonsView", "T-ODD"), false},
    {"middleBlkButton", "BLACKMID", QT_TRANSLATE_NOOP("XBetButtonsView", "M-BLK"), false},
    {"middleEvenButton", "EVENMID", QT_TRANSLATE_NOOP("XBetButtonsView", "M-EVEN"), false},
    {"middleOddButton", "ODDMID", QT_TRANSLATE_NOOP("XBetButtonsView", "M-ODD"), false},
    {"bottomBlkButton", "BLACKBOTM", QT_TRANSLATE_NOOP("XBetButtonsView", "B-BLK"), false},
    {"bottomEvenButton", "EVENBOTM", QT_TRANSLATE_NOOP("XBetButtonsView", "B-EVEN"), false},
    {"bottomOddButton", "ODDBOTM", QT_TRANSLATE_NOOP("XBetButtonsView", "B-ODD"), false},
    {"oneButton", "SMALL", QT_TRANSLATE_NOOP("XBetButtonsView", "1-12"), false},
    {"thirteenButton", "MIDDLE", QT_TRANSLATE_NOOP("XBetButtonsView", "13-24"), false},
    {"twentyfiveButton", "LARGE", QT_TRANSLATE_NOOP("XBetButtonsView", "25-36"), false},
    {"oneBlkButton", "BLK1", QT_TRANSLATE_NOOP("XBetButtonsView", "1-BLK"), false},
    {"oneEvenButton", "EVEN1", QT_TRANSLATE_NOOP("XBetButtonsView", "1-EVEN"), false},
    {"oneOddButton", "ODD1", QT_TRANSLATE_NOOP("XBetButtonsView", "1-ODD"), false},
    {"twoBlkButton", "BLK2", QT_TRANSLATE_NOOP("XBetButtonsView", "2-BLK"), false},
    {"twoEvenButton", "EVEN2", QT_TRANSLATE_NOOP("XBetButtonsView", "2-EVEN"), false},
    {"twoOddButton", "ODD2", QT_TRANSLATE_NOOP("XBetButtonsView", "2-ODD"), false},
    {"threeBlkButton", "BLK3", QT_TRANSLATE_NOOP("XBetButtonsView", "3-BLK"), false},
    {"threeEvenButton", "EVEN3", QT_TRANSLATE_NOOP("XBetButtonsView", "3-EVEN"), false},
    {"threeOddButton", "ODD3", QT_TRANSLATE_NOOP("XBetButtonsView", "3-ODD"), false},
    {"tenButton", "Num111", QT_TRANSLATE_NOOP("XBetButtonsView", "10-19"), false},
    {"twentyButton", "Num222", QT_TRANSLATE_NOOP("XBetButtonsView", "20-29"), false},
    {"thirtyButton", "Num333", QT_TRANSLATE_NOOP("XBetButtonsView", "30-36"), false},
    {"zone1Button", "zone1", QT_TRANSLATE_NOOP("XBetButtonsView", "ZONE 1"), false},
    {"zone2Button", "zone2", QT_TRANSLATE_NOOP("XBetButtonsView", "ZONE 2"), false},
    {"zone3Button", "zone3", QT_TRANSLATE_NOOP("XBetButtonsView", "ZONE 3"), false},
    {"zone4Button", "zone4", QT_TRANSLATE_NOOP("XBetButtonsView", "ZONE 4"), false},
    {"nearByButton", "zone5", QT_TRANSLATE_NOOP("XBetButtonsView", "NEAR BY"), false},
    {"zoneCrossButton", "zoneCross", QT_TRANSLATE_NOOP("XBetButtonsView", "CROSS"), false},
    {"zoneCrossZeroButton", "zoneCross0n5", QT_TRANSLATE_NOOP("XBetButtonsView", "CROSS 0"), false},
};

QScrollArea* scrolled(QWidget* content)
{
    auto* area = new QScrollArea;
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    // The pages grow taller on a narrow panel, never wider.
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return area;
}

constexpr int kCellHeight = 20;
constexpr int kCellSpacing = 1;
// Columns of the bets around a number shown on the first of their two pages; the number's
// own column (its neighbours) comes first on both.
constexpr std::size_t kSectorColumns = 13;
} // namespace

XBetButtonsView::XBetButtonsView(QWidget* parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("betButtonsView"));
    const std::size_t columns = XAroundNumberColumns().size();
    addPage(tr("Table"), [this] { return tablePage(); });
    addPage(tr("Around a number"), [this] { return aroundNumberPage(1, kSectorColumns); });
    addPage(tr("Distances"), [this, columns] { return aroundNumberPage(kSectorColumns, columns); });
    addPage(tr("Sections"), [this] { return sectionsPage(); });
    setTabToolTip(0, tr("Colours, parities, dozens, rows and zones of the table"));
    setTabToolTip(1, tr("Sectors around each number and runs after and before it on the wheel"));
    setTabToolTip(2, tr("The numbers at given wheel distances from each number"));
    setTabToolTip(3, tr("Row exclusions, wheel halves, diagonals, zone crosses, alternatives, specials "
                        "and rounds"));
    connect(this, &QTabWidget::currentChanged, this, &XBetButtonsView::buildPage);
}

void XBetButtonsView::addPage(const QString& title, std::function<QWidget*()> build)
{
    auto* holder = new QWidget;
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pages.push_back({holder, std::move(build), false});
    addTab(holder, title);
}

void XBetButtonsView::buildPage(int index)
{
    if (index < 0 || index >= static_cast<int>(m_pages.size()))
        return;
    Page& page = m_pages[static_cast<std::size_t>(index)];
    if (page.built)
        return;
    page.built = true;
    page.holder->layout()->addWidget(page.build());
}

bool XBetButtonsView::isPageBuilt(int index) const
{
    return index >= 0 && index < static_cast<int>(m_pages.size()) &&
           m_pages[static_cast<std::size_t>(index)].built;
}

void XBetButtonsView::showEvent(QShowEvent* event)
{
    buildPage(currentIndex());
    QTabWidget::showEvent(event);
}

XButton* XBetButtonsView::makeButton(const QString& entryName, const QString& title, QWidget* parent)
{
    const BetEntry* entry = BetCatalogue::shared().entryNamed(entryName);
    auto* button = new XButton(title, parent);
    button->setObjectName(entryName);
    button->setBgColor(QColor::fromRgbF(1.0f, 1.0f, 1.0f));
    button->setCornerRadius(3.0);
    button->setFocusPolicy(Qt::NoFocus);
    if (entry) {
        button->setToolTip(XBetTooltip(*entry));
        connect(button, &QPushButton::clicked, this, [this, entry] { Q_EMIT betPressed(*entry); });
    }
    button->installEventFilter(this);
    m_buttons[entryName] = button;
    return button;
}

XButton* XBetButtonsView::buttonForEntry(const QString& name)
{
    for (int page = 0;; ++page) {
        if (const auto it = m_buttons.find(name); it != m_buttons.end())
            return it->second;
        if (page >= count())
            return nullptr;
        buildPage(page);
    }
}

const std::map<QString, XButton*>& XBetButtonsView::namedButtons()
{
    buildPage(0);
    return m_namedButtons;
}

bool XBetButtonsView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        if (const BetEntry* entry = BetCatalogue::shared().entryNamed(watched->objectName())) {
            if (event->type() == QEvent::Enter)
                Q_EMIT betHovered(*entry);
            else
                Q_EMIT betUnhovered();
        }
    }
    return QTabWidget::eventFilter(watched, event);
}

QWidget* XBetButtonsView::tablePage()
{
    // Four buttons a row, fewer when the panel is narrow.
    auto* page = new XReflowGrid(4);
    page->layout()->setSpacing(4);
    // The scroll area frames it already: all eleven rows show at 1280 × 720.
    page->layout()->setContentsMargins(4, 4, 4, 4);
    for (const NamedBet& named : kNamedBets) {
        XButton* button =
            makeButton(QString::fromLatin1(named.entry), tr(named.title), page);
        if (named.red) {
            button->setBgColor(QColor::fromRgbF(0.71f, 0.09f, 0.09f));
            button->setTitleColor(Qt::white);
        }
        button->setMinimumHeight(28);
        m_namedButtons[QString::fromLatin1(named.button)] = button;
        page->addWidget(button);
    }
    return scrolled(page);
}

int XBetButtonsView::aroundColumnWidth(std::size_t firstColumn, std::size_t endColumn)
{
    const QFontMetrics metrics(XButton::boldFont(10));
    const std::vector<XAroundNumberColumn> columns = XAroundNumberColumns();
    int width = 28;
    for (std::size_t c = firstColumn; c < endColumn; ++c)
        width = std::max(width, metrics.horizontalAdvance(columns[c].label) + 6);
    return width;
}

QSize XBetButtonsView::sizeHint() const
{
    const int rows =
        static_cast<int>(kSectorColumns) * (aroundColumnWidth(0, kSectorColumns) + kCellSpacing) + 12;
    return QSize(rows + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8, 360);
}

QWidget* XBetButtonsView::aroundNumberPage(std::size_t firstColumn, std::size_t endColumn)
{
    const std::vector<XAroundNumberColumn> columns = XAroundNumberColumns();
    const QFont font = XButton::boldFont(10);
    // Wide enough for the widest header: no column is cut.
    const int width = std::max(aroundColumnWidth(firstColumn, endColumn), aroundColumnWidth(0, 1));
    const auto spaced = [](QGridLayout* grid) {
        grid->setSpacing(kCellSpacing);
        grid->setContentsMargins(6, 4, 6, 4);
        grid->setAlignment(Qt::AlignTop);
    };

    // The headers stay in place while the rows scroll under them; on a narrow panel a
    // number's columns go on over further lines.
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* header = new QGridLayout;
    spaced(header);
    layout->addLayout(header);
    auto* rows = new QWidget;
    auto* grid = new QGridLayout(rows);
    spaced(grid);
    auto* table = new XWrappingTable(*page, *header, *grid, width, width);

    std::vector<QWidget*> labels;
    const auto headerLabel = [&](const XAroundNumberColumn& column) {
        QLabel* label = XCaption(column.label, page);
        label->setAlignment(Qt::AlignCenter);
        label->setToolTip(column.tip);
        label->setObjectName(QStringLiteral("aroundHeader ") + column.label);
        labels.push_back(label);
    };
    headerLabel(columns[0]);
    for (std::size_t c = firstColumn; c < endColumn; ++c)
        headerLabel(columns[c]);
    table->setHeader(std::move(labels));

    const bool ownsNumbers = firstColumn == 1;
    for (int row = 0; row < 37; ++row) {
        const int n = XWheel::kOrder[static_cast<std::size_t>(row)];
        // The number's own bet has one button, on the first page; the second shows the number.
        XButton* number = ownsNumbers ? makeButton(columns[0].namePattern.arg(n), QString::number(n), rows)
                                      : new XButton(QString::number(n), rows);
        number->setBgColor(XNumberColor(n));
        number->setTitleColor(Qt::white);
        number->setFixedSize(width, kCellHeight);
        if (!ownsNumbers) {
            number->setAttribute(Qt::WA_TransparentForMouseEvents);
            number->setFocusPolicy(Qt::NoFocus);
        }
        std::vector<QWidget*> cells{number};
        for (std::size_t c = firstColumn; c < endColumn; ++c) {
            XButton* button = makeButton(columns[c].namePattern.arg(n), columns[c].label, rows);
            button->setFont(font);
            button->setFixedSize(width, kCellHeight);
            cells.push_back(button);
        }
        table->addRow(std::move(cells));
    }
    page->setMinimumWidth(table->minimumWidth());
    layout->addWidget(scrolled(rows), 1);
    return page;
}

QWidget* XBetButtonsView::sectionsPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    const std::vector<std::pair<QString, QStringList>> groups{
        {tr("Row exclusions"),
         {QStringLiteral("TOPexmpt"), QStringLiteral("MIDexmpt"), QStringLiteral("BOTMexmpt")}},
        {tr("Wheel halves"),
         {QStringLiteral("TOPeven"), QStringLiteral("TOPodd"), QStringLiteral("BOTMeven"),
          QStringLiteral("BOTModd"), QStringLiteral("LEFTeven"), QStringLiteral("LEFTodd"),
          QStringLiteral("RIGHTeven"), QStringLiteral("RIGHTodd")}},
        {tr("Diagonals"),
         {QStringLiteral("Diag11_12_even_left"), QStringLiteral("Diag11_12_even_right"),
          QStringLiteral("Diag11_12_odd_left"), QStringLiteral("Diag11_12_odd_right"),
          QStringLiteral("Diag1_4_even_left"), QStringLiteral("Diag1_4_even_right"),
          QStringLiteral("Diag1_4_odd_left"), QStringLiteral("Diag1_4_odd_right")}},
        {tr("Zone crosses"),
         {QStringLiteral("zoneCrossXdown"), QStringLiteral("zoneCrossXup"), QStringLiteral("zoneCrossXleft"),
          QStringLiteral("zoneCrossXright")}},
        {tr("Alternatives"),
         {QStringLiteral("Alt0"), QStringLiteral("Alt1"), QStringLiteral("Alt2"), QStringLiteral("Alt3"),
          QStringLiteral("Alt4"), QStringLiteral("Alt5"), QStringLiteral("Alt6"), QStringLiteral("Alt7"),
          QStringLiteral("Alt8"), QStringLiteral("Alt9")}},
        {tr("Specials"),
         {QStringLiteral("special10238"), QStringLiteral("special151935"), QStringLiteral("special221133"),
          QStringLiteral("special28729"), QStringLiteral("special2214")}},
        {tr("Rounds"),
         {QStringLiteral("NumRound159"), QStringLiteral("NumRound1318"), QStringLiteral("NumRound2022"),
          QStringLiteral("NumRound2628"), QStringLiteral("NumRound247"), QStringLiteral("NumRound1517"),
          QStringLiteral("NumRound3036")}},
    };
    for (const auto& [title, names] : groups) {
        layout->addWidget(XCaption(title, page));
        // Two side by side, one under the other on a narrow panel.
        auto* grid = new XReflowGrid(2, page);
        grid->layout()->setContentsMargins(0, 0, 0, 0);
        grid->layout()->setSpacing(4);
        for (const QString& name : names) {
            XButton* button = makeButton(name, XBetCaption(name), grid);
            // Captions are longer than the table's titles.
            button->setFont(XButton::boldFont(11));
            button->setMinimumHeight(24);
            grid->addWidget(button);
        }
        layout->addWidget(grid);
    }
    layout->addStretch(1);
    return scrolled(page);
}
