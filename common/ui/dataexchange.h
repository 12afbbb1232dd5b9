#pragma once

#include <QString>

class QWidget;

namespace ui {

// Dialog data exchange between a page's variables and its controls, with
// the framework's validation: on a bad value it shows the framework's fixed
// message, puts the focus back on the control and marks the exchange
// failed, so updateData() returns false and the page stays.
class DataExchange
{
public:
    DataExchange(QWidget *page, bool saveAndValidate);

    bool isSaving() const { return m_saving; }
    bool failed() const { return m_failed; }

    // Edit box text; maxChars > 0 refuses longer text on save with
    // "%1 文字以内で入力してください。".
    void text(int controlId, QString &value, int maxChars = 0);
    // Signed integer edit box: "整数を入力してください。" for text that is
    // not an integer.
    void integer(int controlId, int &value);
    // Unsigned integer edit box: "正の整数を入力してください。" for text
    // that is not one, "%1 から %2 までの整数を入力してください。" outside
    // [minimum, maximum].
    void unsignedInteger(int controlId, unsigned &value, unsigned minimum, unsigned maximum);
    // Check box or radio button: 1 checked, 0 not.
    void check(int controlId, int &value);
    // Group of radio buttons given by their ids: the index of the checked
    // one, -1 for none.
    void radio(std::initializer_list<int> controlIds, int &value);

private:
    QWidget *controlFor(int controlId) const;
    void fail(QWidget *control, const QString &message);

    QWidget *m_page;
    bool m_saving;
    bool m_failed = false;
};

} // namespace ui
