#pragma once

#include <QString>

namespace JETDAO {

// A database failure with a Japanese text for the user. Thrown by value and
// caught by reference, so nothing is left to delete.
class CDaoException
{
public:
    explicit CDaoException(const QString &errorMessage);

    // The error text, for callers that show it themselves.
    const QString &GetErrorMessage() const { return m_strError; }
    // Shows the error text in a message box with the exclamation icon and
    // an OK button, through the dialogs service.
    void ReportError(unsigned type = 0, unsigned helpContext = 0) const;

private:
    QString m_strError;
};

} // namespace JETDAO
