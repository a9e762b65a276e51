#include "config/admin_login_dialog.h"

#include "config/settings_store.h"
#include "records/daily_totals_window.h"
#include "shell/message.h"
#include "shell/textbox_window.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

AdminLoginDialog::AdminLoginDialog(ProgramFolder folder, QWidget* parent)
    : QDialog(parent), m_folder(std::move(folder)), m_password(SettingsStore(m_folder).adminPassword())
{
    setObjectName(QStringLiteral("yoneticigirissifre"));
    setWindowTitle(QStringLiteral("Yönetici"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setEchoMode(QLineEdit::Password);
    m_text->setMinimumWidth(220);
    onEnterKey(m_text, [this] { check(); });
    auto* ok = new QPushButton(QStringLiteral("Tamam"), this);
    ok->setObjectName(QStringLiteral("tamam"));
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &AdminLoginDialog::check);

    auto* form = new QFormLayout(this);
    form->setContentsMargins(20, 20, 20, 20);
    form->addRow(QStringLiteral("Şifre:"), m_text);
    form->addRow(QString(), ok);
    m_text->setFocus();
}

void AdminLoginDialog::check()
{
    if (m_text->text() == m_password) {
        accept();
        return;
    }
    duzmesaj(QStringLiteral("Şifre Yanlış")); // the typed text stays
}

void AdminLoginDialog::run(const ProgramFolder& folder, QWidget* parent)
{
    AdminLoginDialog login(folder, parent);
    if (login.exec() != QDialog::Accepted)
        return;
    DailyTotalsWindow totals(folder, parent);
    totals.exec();
}
