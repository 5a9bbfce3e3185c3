#include "XBetButtonsView.h"

#include "XButton.h"
#include "XCaption.h"
#include "catalogue/BetCatalogue.h"
#include "catalogue/XWheel.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
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
    {"topRedButton", "REDTOP", "T-RED", true},
    {"middleRedButton", "REDMID", "M-RED", true},
    {"bottonRedButton", "REDBOTM", "B-RED", true},
    {"threeRedButton", "RED3", "3-RED", true},
    {"twoRedButton", "RED2", "2-RED", true},
    {"oneRedButton", "RED1", "1-RED", true},
    {"redButton", "RED", "RED", true},
    {"blackButton", "BLACK", "BLACK", false},
    {"evenButton", "EVEN", "EVEN", false},
    {"oddButton", "ODD", "ODD", false},
    {"topButton", "TOP4T", "TOP", false},
    {"middleButton", "TOP4M", "MID", false},
    {"bottomButton", "TOP4B", "BOTM", false},
    {"topBlkButton", "BLACKTOP", "T-BLK", false},
    {"topEvenButton", "EVENTOP", "T-EVEN", false},
    {"topOddButton", "ODDTOP", "T-ODD", false},
    {"middleBlkButton", "BLACKMID", "M-BLK", false},
    {"middleEvenButton", "EVENMID", "M-EVEN", false},
    {"middleOddButton", "ODDMID", "M-ODD", false},
    {"bottomBlkButton", "BLACKBOTM", "B-BLK", false},
    {"bottomEvenButton", "EVENBOTM", "B-EVEN", false},
    {"bottomOddButton", "ODDBOTM", "B-ODD", false},
    {"oneButton", "SMALL", "1-12", false},
    {"thirteenButton", "MIDDLE", "13-24", false},
    {"twentyfiveButton", "LARGE", "25-36", false},
    {"oneBlkButton", "BLK1", "1-BLK", false},
    {"oneEvenButton", "EVEN1", "1-EVEN", false},
    {"oneOddButton", "ODD1", "1-ODD", false},
    {"twoBlkButton", "BLK2", "2-BLK", false},
    {"twoEvenButton", "EVEN2", "2-EVEN", false},
    {"twoOddButton", "ODD2", "2-ODD", false},
    {"threeBlkButton", "BLK3", "3-BLK", false},
    {"threeEvenButton", "EVEN3", "3-EVEN", false},
    {"threeOddButton", "ODD3", "3-ODD", false},
    {"tenButton", "Num111", "10-19", false},
    {"twentyButton", "Num222", "20-29", false},
    {"thirtyButton", "Num333", "30-36", false},
    {"zone1Button", "zone1", "ZONE 1", false},
    {"zone2Button", "zone2", "ZONE 2", false},
    {"zone3Button", "zone3", "ZONE 3", false},
    {"zone4Button", "zone4", "ZONE 4", false},
    {"nearByButton", "zone5", "NEAR BY", false},
    {"zoneCrossButton", "zoneCross", "CROSS", false},
    {"zoneCrossZeroButton", "zoneCross0n5", "CROSS 0", false},
};

QString describe(const BetEntry& entry)
{
    QStringList numbers;
    for (const BetClick& click : entry.clicks)
        numbers << (click.clickCount > 1 ? QStringLiteral("%1 ×%2").arg(click.index).arg(click.clickCount)
                                         : QString::number(click.index));
    return QStringLiteral("%1: %2").arg(entry.name, numbers.join(QStringLiteral(", ")));
}

QWidget* scrolled(QWidget* content)
{
    auto* area = new QScrollArea;
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}
} // namespace

XBetButtonsView::XBetButtonsView(QWidget* parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("betButtonsView"));
    addTab(tablePage(), tr("Table"));
    addTab(neighboursPage(), tr("Around a number"));
    addTab(sectionsPage(), tr("Sections && specials"));
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
        button->setToolTip(describe(*entry));
        connect(button, &QPushButton::clicked, this, [this, entry] { Q_EMIT betPressed(*entry); });
    }
    button->installEventFilter(this);
    m_buttons[entryName] = button;
    return button;
}

XButton* XBetButtonsView::buttonForEntry(const QString& name) const
{
    const auto it = m_buttons.find(name);
    return it == m_buttons.end() ? nullptr : it->second;
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
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setSpacing(4);
    constexpr int kColumns = 6;
    int i = 0;
    for (const NamedBet& named : kNamedBets) {
        XButton* button =
            makeButton(QString::fromLatin1(named.entry), QString::fromLatin1(named.title), page);
        if (named.red) {
            button->setBgColor(QColor::fromRgbF(0.71f, 0.09f, 0.09f));
            button->setTitleColor(Qt::white);
        }
        button->setMinimumHeight(28);
        m_namedButtons[QString::fromLatin1(named.button)] = button;
        grid->addWidget(button, i / kColumns, i % kColumns);
        ++i;
    }
    grid->setRowStretch(i / kColumns + 1, 1);
    return page;
}

QWidget* XBetButtonsView::neighboursPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setSpacing(2);
    const QStringList columns{QStringLiteral("C"),   QStringLiteral("H"),   QStringLiteral("M"),
                              QStringLiteral("P"),   QStringLiteral("L C"), QStringLiteral("L H"),
                              QStringLiteral("L M"), QStringLiteral("L P"), QStringLiteral("R C"),
                              QStringLiteral("R H"), QStringLiteral("R M"), QStringLiteral("R P"),
                              QStringLiteral("ABC"), QStringLiteral("DEF"), QStringLiteral("GHI"),
                              QStringLiteral("JKL"), QStringLiteral("MNO"), QStringLiteral("PQR"),
                              QStringLiteral("3"),   QStringLiteral("11"),  QStringLiteral("15")};
    grid->addWidget(XCaption(tr("Nr"), page), 0, 0);
    for (int c = 0; c < columns.size(); ++c) {
        QLabel* label = XCaption(columns[c], page);
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, 0, c + 1);
    }
    const char letters[] = {'C', 'H', 'M', 'P'};
    for (int row = 0; row < 37; ++row) {
        const int n = XWheel::kOrder[static_cast<std::size_t>(row)];
        XButton* number = makeButton(QStringLiteral("number%1").arg(n), QString::number(n), page);
        number->setBgColor(n == 0             ? QColor(0, 140, 70)
                           : XWheel::isRed(n) ? QColor(190, 25, 30)
                                              : QColor(30, 30, 30));
        number->setTitleColor(Qt::white);
        grid->addWidget(number, row + 1, 0);
        QStringList names;
        for (const QString& prefix : {QStringLiteral("Num"), QStringLiteral("NumL"), QStringLiteral("NumR")})
            for (char letter : letters)
                names << prefix + QString::number(n) + QLatin1Char(letter);
        for (const char* triple : {"ABC", "DEF", "GHI", "JKL", "MNO", "PQR"})
            names << QStringLiteral("NUMBER%1%2").arg(n).arg(QLatin1String(triple));
        for (char letter : {'C', 'K', 'O'})
            names << QStringLiteral("CKO_%1_%2").arg(QLatin1Char(letter)).arg(n);
        for (int c = 0; c < names.size(); ++c) {
            XButton* button = makeButton(names[c], columns[c], page);
            button->setFont(XButton::boldFont(10));
            button->setFixedSize(34, 20);
            grid->addWidget(button, row + 1, c + 1);
        }
    }
    return scrolled(page);
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
        auto* grid = new QGridLayout;
        grid->setSpacing(4);
        for (int i = 0; i < names.size(); ++i) {
            XButton* button = makeButton(names[i], names[i], page);
            button->setMinimumHeight(24);
            grid->addWidget(button, i / 4, i % 4);
        }
        layout->addLayout(grid);
    }
    layout->addStretch(1);
    return scrolled(page);
}
