#include "amountfield.h"

#include "keyboardentry.h"

#include <QFocusEvent>
#include <QValidator>

namespace pelmora {

namespace {

// Refuses typing beyond a length. Unlike QLineEdit's maxLength it leaves setText() alone,
// so a figure the program writes is never cut.
class TypingLimit : public QValidator
{
public:
    TypingLimit(int characters, QObject *parent) : QValidator(parent), m_characters(characters) {}
    State validate(QString &input, int &) const override
    {
        return input.size() <= m_characters ? Acceptable : Invalid;
    }

private:
    int m_characters;
};

} // namespace

EntryField::EntryField(QWidget *parent) : QLineEdit(parent), m_keyboard(new KeyboardEntry(this))
{
    connect(this, &QLineEdit::textChanged, this, [this] {
        Q_EMIT changed();
        afterChange();
    });
}

void EntryField::setTypingLimit(int characters)
{
    setValidator(new TypingLimit(characters, this));
}

void EntryField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (!m_keyboard->entered(event))
        return;
    selectAll();
    // A click places the caret after the focus arrives; select again once the button is up.
    m_selectAllOnRelease = event->reason() == Qt::MouseFocusReason;
}

void EntryField::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (m_selectAllOnRelease && !hasSelectedText())
        selectAll();
    m_selectAllOnRelease = false;
}

NameField::NameField(QWidget *parent) : EntryField(parent) {}

AmountField::AmountField(QWidget *parent) : EntryField(parent)
{
    setAlignment(Qt::AlignRight);
    setText(QStringLiteral("0"));
}

void AmountField::afterChange()
{
    if (text().isEmpty()) {
        setText(QStringLiteral("0"));
        selectAll(); // what is typed next replaces the "0"
    }
}

ResultField::ResultField(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight);
    setText(QStringLiteral("0"));
    showAsResult(this);
}

void showAsResult(QLineEdit *field)
{
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, QColor(128, 0, 0));
    field->setPalette(palette);
}

} // namespace pelmora

namespace pelmora {

CarrierField::CarrierField(QWidget *parent) : QLineEdit(parent)
{
    setText(QStringLiteral("0"));
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

} // namespace pelmora
