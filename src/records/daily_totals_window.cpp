#include "records/daily_totals_window.h"

#include "records/daily_totals.h"
#include "shell/clock.h"
#include "shell/message.h"
#include "shell/numbers.h"
#include "shell/textbox_window.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

DailyTotalsWindow::DailyTotalsWindow(ProgramFolder folder, QWidget* parent)
    : QDialog(parent), m_folder(std::move(folder))
{
    setObjectName(QStringLiteral("gunluktutar"));
    setWindowTitle(QStringLiteral("Günlük Tutar"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    QFont big = font();
    big.setPointSize(big.pointSize() + 3);
    m_date = new QDateEdit(this);
    m_date->setObjectName(QStringLiteral("DTPicker1"));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_date->setFont(big);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(QStringLiteral("Tarih:"), m_date);
    static const char* names[] = {"nkt", "kart", "iade"};
    static const char* labels[] = {"Nakit:", "Kredi Kartı:", "İade:"};
    for (int i = 0; i < 3; ++i) {
        m_fields[i] = new QLineEdit(this);
        m_fields[i]->setObjectName(QString::fromLatin1(names[i]));
        m_fields[i]->setReadOnly(true);
        m_fields[i]->setAlignment(Qt::AlignRight);
        m_fields[i]->setFont(big);
        m_fields[i]->setMinimumWidth(200);
        form->addRow(QString::fromUtf8(labels[i]), m_fields[i]);
    }
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("Text1"));
    m_password->setEchoMode(QLineEdit::Password);
    onEnterKey(m_password, [this] { savePassword(); });
    auto* save = new QPushButton(QStringLiteral("Kaydet"), this);
    save->setObjectName(QStringLiteral("kaydet"));
    save->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &DailyTotalsWindow::savePassword);
    auto* passwordRow = new QHBoxLayout;
    passwordRow->addWidget(m_password, 1);
    passwordRow->addWidget(save);
    form->addRow(QStringLiteral("Şifre:"), passwordRow);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->addLayout(form);

    m_date->setDate(Clock::today());
    connect(m_date, &QDateEdit::dateChanged, this, &DailyTotalsWindow::rakamoku);
    rakamoku();
}

void DailyTotalsWindow::rakamoku()
{
    const QString path = DailyTotals::path(m_folder.haraketDir(), m_date->date());
    for (int i = 0; i < 3; ++i) {
        const QString text = DailyTotals::readText(path, static_cast<DailyTotals::Kind>(i));
        if (text.isEmpty()) {
            m_fields[i]->clear();
            continue;
        }
        const std::optional<double> value = Num::parse(text);
        if (!value) {
            for (QLineEdit* f : m_fields)
                f->setText(QStringLiteral("0"));
            return;
        }
        m_fields[i]->setText(Num::ungrouped(*value));
    }
}

void DailyTotalsWindow::savePassword()
{
    SettingsStore(m_folder).setAdminPassword(m_password->text());
    m_password->clear();
    duzmesaj(QStringLiteral("Şifre Değiştirildi."));
}
