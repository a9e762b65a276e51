#include "sales/quantity_dialog.h"

#include "shell/filters.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

QuantityDialog::QuantityDialog(const QString& quantity, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("miktr"));
    setWindowTitle(QStringLiteral("MİKTAR"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* heading = new QLabel(QStringLiteral("MİKTAR GİRİŞİ"), this);
    QFont hf = heading->font();
    hf.setPointSize(hf.pointSize() + 4);
    hf.setBold(true);
    heading->setFont(hf);
    heading->setAlignment(Qt::AlignCenter);
    heading->setStyleSheet(QStringLiteral("background:#1f3b57; color:white; padding:8px;"));

    m_text = new QLineEdit(quantity, this);
    m_text->setObjectName(QStringLiteral("Text1"));
    QFont tf = m_text->font();
    tf.setPointSize(tf.pointSize() + 10);
    tf.setBold(true);
    m_text->setFont(tf);
    m_text->setAlignment(Qt::AlignRight);
    m_text->setMinimumWidth(220);
    m_text->installEventFilter(this);
    connect(m_text, &QLineEdit::textChanged, this, [this] { QTimer::singleShot(0, this, &QuantityDialog::selectToEnd); });

    auto* label = new QLabel(QStringLiteral("MİKTAR:"), this);
    label->setFont(hf);
    auto* form = new QFormLayout;
    form->addRow(label, m_text);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(14);

    m_text->setFocus();
    m_text->setCursorPosition(0);
    selectToEnd();
}

QString QuantityDialog::quantity() const
{
    return m_text->text();
}

void QuantityDialog::selectToEnd()
{
    const int from = m_text->cursorPosition();
    m_text->setSelection(static_cast<int>(m_text->text().size()), from - static_cast<int>(m_text->text().size()));
}

bool QuantityDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text && event->type() == QEvent::MouseButtonRelease) {
        QTimer::singleShot(0, this, &QuantityDialog::selectToEnd);
        return false;
    }
    if (watched != m_text || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return true;
    case Qt::Key_Escape:
        reject();
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return false;
    default:
        break;
    }
    const QString text = key->text();
    if (text.isEmpty())
        return key->modifiers().testFlag(Qt::ControlModifier);
    for (QChar c : text) {
        if (!keyPasses(KeyFilter::RakamVirgul, c))
            return true;
        // A second comma is refused, unless it replaces the selected one.
        if (c == u',' && m_text->text().contains(u',') && !m_text->selectedText().contains(u','))
            return true;
    }
    return false;
}
