#pragma once

#include <QString>

#include <initializer_list>
#include <optional>

class QWidget;

namespace ui {

// Dialog data exchange between a dialog's or page's variables and its
// controls (found by control id below root), with the framework's
// validation. Saving a bad value shows the framework's fixed message
// (the program's title as caption, exclamation icon), puts the focus back
// on the control with its text selected, and fails the exchange: the
// bindings after it are skipped and updateData() returns false.
// Showing a value sets the control only when its text differs, so it
// raises no change handler for an unchanged value.
class DataExchange
{
public:
    DataExchange(QWidget *root, bool saveAndValidate);

    bool isSaving() const { return m_saving; }
    bool failed() const { return m_failed; }

    // Edit box text. maxChars > 0 limits typing when showing, and refuses
    // longer text when saving with "%1 文字以内で入力してください。" (the
    // variable takes the text all the same, as MFC's DDV does).
    void text(int controlId, QString &value, int maxChars = 0);
    // Signed integer edit box: "整数を入力してください。" for text that is
    // not a 32-bit integer.
    void integer(int controlId, int &value);
    // Unsigned integer edit box: "正の整数を入力してください。" for text that
    // is not a 32-bit unsigned integer (a sign '-' included), then
    // "%1 から %2 までの整数を入力してください。" outside [minimum, maximum]
    // (the variable takes the value all the same, as MFC's DDV does).
    void unsignedInteger(int controlId, unsigned &value, unsigned minimum, unsigned maximum);
    // Check box or radio button: 1 checked, 0 not, 2 indeterminate.
    void check(int controlId, int &value);
    // Group of radio buttons given by their ids in order: the index of the
    // checked one, -1 for none.
    void radio(std::initializer_list<int> controlIds, int &value);

private:
    // Shows value as text, or when saving reads the text back as an integer
    // within [minimum, maximum]; when the text is not one, fails with
    // notANumber. A number only when one was saved.
    std::optional<qint64> exchangeInteger(QWidget *control, qint64 value, qint64 minimum,
                                          qint64 maximum, const QString &notANumber);
    QWidget *controlFor(int controlId) const;
    void fail(QWidget *control, const QString &message);

    QWidget *m_root;
    bool m_saving;
    bool m_failed = false;
};

} // namespace ui
