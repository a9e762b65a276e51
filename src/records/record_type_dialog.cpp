#include "records/record_type_dialog.h"

#include "config/setting_text.h"
#include "shell/clock.h"
#include "shell/message.h"
#include "shell/numbers.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

using DailyTotals::Kind;

constexpr int kFocusColour = 8438015;    // light orange
constexpr int kNormalColour = 16514555;  // near white

QString buttonStyle(int colourNumber)
{
    const Rgb c = rgbOf(colourNumber);
    return QStringLiteral("QPushButton{background:rgb(%1,%2,%3); border:1px solid #8a8a8a; border-radius:6px;}")
        .arg(c.red).arg(c.green).arg(c.blue);
}

} // namespace

RecordTypeDialog::RecordTypeDialog(QString haraketDir, QWidget* parent)
    : QDialog(parent), m_haraketDir(std::move(haraketDir))
{
    setObjectName(QStringLiteral("fiskaydettipiform"));
    setWindowTitle(QStringLiteral("Fis Kaydet"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    static const char* captions[] = {"Nakit (F2)", "Kredi Kartı (F3)", "İade (F4)"};
    static const char* names[] = {"nakit", "kredi", "iade"};
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(16);
    font.setBold(true);
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(captions[i]), this);
        b->setObjectName(QString::fromLatin1(names[i]));
        b->setFont(font);
        b->setMinimumSize(220, 90);
        b->setAutoDefault(true); // Enter presses the button that has the focus
        b->setStyleSheet(buttonStyle(kNormalColour));
        b->installEventFilter(this);
        const Kind kind = static_cast<Kind>(i);
        connect(b, &QPushButton::clicked, this, [this, kind] { choose(kind); });
        m_buttons[i] = b;
    }
    // The amount being recorded, so the cashier sees what is settled.
    auto* amount = new QLabel(QStringLiteral("TUTAR: ") + Num::amount(recordShared().fistutari), this);
    amount->setObjectName(QStringLiteral("tutar"));
    amount->setAlignment(Qt::AlignCenter);
    QFont af = font;
    af.setPointSize(14);
    amount->setFont(af);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 16, 20, 20);
    grid->setSpacing(14);
    grid->addWidget(amount, 0, 0, 1, 2);
    grid->addWidget(m_buttons[0], 1, 0);
    grid->addWidget(m_buttons[1], 1, 1);
    grid->addWidget(m_buttons[2], 2, 0, 1, 2, Qt::AlignHCenter);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(m_buttons[0], m_buttons[1]);
    setTabOrder(m_buttons[1], m_buttons[2]);

    // iadeonoku: the buttons of the mode; any other mode shows all three.
    RecordShared& shared = recordShared();
    if (shared.iademodu == QLatin1String("0")) {
        m_buttons[2]->hide();
    } else if (shared.iademodu == QLatin1String("1")) {
        m_buttons[0]->hide();
        m_buttons[1]->hide();
        m_buttons[2]->show();
    }
    shared.kayitonay = 0;

    // rakamoku: the day's totals as they stand now.
    const QString path = DailyTotals::path(m_haraketDir, Clock::today());
    for (int i = 0; i < 3; ++i)
        m_opened[i] = DailyTotals::read(path, static_cast<Kind>(i));

    for (QPushButton* b : m_buttons) {
        if (!b->isHidden()) {
            b->setFocus();
            break;
        }
    }
}

QPushButton* RecordTypeDialog::button(Kind kind) const
{
    return m_buttons[static_cast<int>(kind)];
}

bool RecordTypeDialog::eventFilter(QObject* watched, QEvent* event)
{
    auto* b = qobject_cast<QPushButton*>(watched);
    if (b && event->type() == QEvent::FocusIn)
        b->setStyleSheet(buttonStyle(kFocusColour));
    else if (b && event->type() == QEvent::FocusOut)
        b->setStyleSheet(buttonStyle(kNormalColour));
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);

    const QString mode = recordShared().iademodu;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Escape:
        recordShared().kayitonay = 0;
        reject();
        return true;
    case Qt::Key_F2:
        if (mode == QLatin1String("0"))
            choose(Kind::Nakit);
        return true;
    case Qt::Key_F3:
        if (mode == QLatin1String("0"))
            choose(Kind::Kredi);
        return true;
    case Qt::Key_F4:
        if (mode == QLatin1String("1"))
            choose(Kind::Iade);
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void RecordTypeDialog::choose(Kind kind)
{
    RecordShared& shared = recordShared();
    m_writtenPath = DailyTotals::path(m_haraketDir, Clock::today());
    m_writtenKind = kind;
    m_previous = DailyTotals::write(m_writtenPath, kind, shared.fistutari + m_opened[static_cast<int>(kind)]);
    if (!m_previous) {
        mesajgoster(QStringLiteral("Günlük toplam kaydedilemedi...\nKlasör bulunamadı veya yazılamıyor: ") + m_haraketDir,
                    MsgTitle::Dikkat, MsgIcon::Warning, MsgButtons::Ok);
    }
    shared.kayitonay = -1;
    shared.odemetipi = DailyTotals::choiceText(kind);
    accept();
}

void RecordTypeDialog::undoTotal() const
{
    if (m_previous)
        DailyTotals::restore(m_writtenPath, m_writtenKind, *m_previous);
}
