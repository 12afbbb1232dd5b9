#include "dataexchange.h"

#include "controls.h"
#include "dialogs.h"
#include "platform/crtinteger.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <limits>

namespace ui {

namespace {

// EM_LIMITTEXT: limits typing but, unlike QLineEdit::setMaxLength, never
// cuts a text that is already longer.
void limitText(QWidget *control, int maxChars)
{
    QLineEdit *edit = qobject_cast<QLineEdit *>(control);
    if (auto *combo = qobject_cast<QComboBox *>(control))
        edit = combo->lineEdit();
    if (edit)
        edit->setMaxLength(qMax(maxChars, int(edit->text().size())));
}

void selectAllText(QWidget *control)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->selectAll();
    else if (auto *edit = qobject_cast<QPlainTextEdit *>(control))
        edit->selectAll();
    else if (auto *edit = qobject_cast<QTextEdit *>(control))
        edit->selectAll();
    else if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

} // namespace

DataExchange::DataExchange(QWidget *root, bool saveAndValidate)
    : m_root(root)
    , m_saving(saveAndValidate)
{
}

void DataExchange::text(int controlId, QString &value, int maxChars)
{
    QWidget *control = controlFor(controlId);
    if (!control)
        return;
    if (!m_saving) {
        setControlText(control, value);
        if (maxChars > 0)
            limitText(control, maxChars);
        return;
    }
    value = controlText(control);
    if (maxChars > 0 && value.size() > maxChars)
        fail(control, QStringLiteral("%1 文字以内で入力してください。").arg(maxChars));
}

void DataExchange::integer(int controlId, int &value)
{
    QWidget *control = controlFor(controlId);
    if (!control)
        return;
    const std::optional<qint64> saved =
        exchangeInteger(control, value, std::numeric_limits<int>::min(),
                        std::numeric_limits<int>::max(), QStringLiteral("整数を入力してください。"));
    if (saved)
        value = int(*saved);
}

void DataExchange::unsignedInteger(int controlId, unsigned &value, unsigned minimum,
                                   unsigned maximum)
{
    QWidget *control = controlFor(controlId);
    if (!control)
        return;
    const std::optional<qint64> saved =
        exchangeInteger(control, value, 0, std::numeric_limits<unsigned>::max(),
                        QStringLiteral("正の整数を入力してください。"));
    if (!saved)
        return;
    value = unsigned(*saved);
    if (value < minimum || value > maximum)
        fail(control, QStringLiteral("%1 から %2 までの整数を入力してください。")
                          .arg(minimum)
                          .arg(maximum));
}

void DataExchange::check(int controlId, int &value)
{
    QWidget *control = controlFor(controlId);
    if (!control)
        return;
    if (m_saving)
        value = checkState(control);
    else
        setCheckState(control, value >= 0 && value <= 2 ? value : 0);
}

void DataExchange::radio(std::initializer_list<int> controlIds, int &value)
{
    QList<QWidget *> buttons;
    for (const int id : controlIds) {
        QWidget *button = controlFor(id);
        if (!button)
            return;
        buttons.append(button);
    }
    if (m_saving) {
        value = -1;
        for (int i = 0; i < buttons.size(); ++i) {
            if (checkState(buttons.at(i)) == 1) {
                value = i;
                break;
            }
        }
        return;
    }
    // Clear first, so that checking one never fights the group's exclusivity.
    for (int i = 0; i < buttons.size(); ++i) {
        if (i != value)
            setCheckState(buttons.at(i), 0);
    }
    if (value >= 0 && value < buttons.size())
        setCheckState(buttons.at(value), 1);
}

std::optional<qint64> DataExchange::exchangeInteger(QWidget *control, qint64 value,
                                                    qint64 minimum, qint64 maximum,
                                                    const QString &notANumber)
{
    if (!m_saving) {
        setControlText(control, QString::number(value));
        return std::nullopt;
    }
    const std::optional<qint64> parsed = win::parseIntegerText(controlText(control), minimum, maximum);
    if (!parsed)
        fail(control, notANumber);
    return parsed;
}

QWidget *DataExchange::controlFor(int controlId) const
{
    if (m_failed)
        return nullptr;
    QWidget *control = findControl(m_root, controlId);
    if (!control)
        qWarning("DataExchange: no control %d", controlId);
    return control;
}

void DataExchange::fail(QWidget *control, const QString &message)
{
    messageBox(m_root, message, QString(), Buttons::Ok, Icon::Warning);
    control->setFocus(Qt::OtherFocusReason);
    selectAllText(control);
    m_failed = true;
}

} // namespace ui
