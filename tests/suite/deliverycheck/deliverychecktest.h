#pragma once

#include "workspacetest.h"

#include "checkreport.h"
#include "sampleoptions.h"

#include <QByteArray>
#include <QString>

#include <ostream>

// A workspace with a generated delivery to break and check, and the
// character lists the build shipped in the program folder, mapped as P:.
class DeliveryCheckTest : public WorkspaceTest
{
public:
    static constexpr char16_t Delivery[] = u"disc";
    static constexpr int Photos = 30;

    // Generates the delivery into the workspace folder "disc".
    void generate(const DeliveryOptions &options = {Photos, DeliveryOptions::Standard::Mlit,
                                                    DeliveryOptions::Encoding::ShiftJis}) const;

    // Files of the delivery, by their path in it ("PHOTO/PHOTO.XML").
    QByteArray read(const QString &relative) const;
    void write(const QString &relative, const QByteArray &bytes) const;
    void remove(const QString &relative) const;
    // PHOTO.XML (or another document) as text, in and out of Shift_JIS.
    QString text(const QString &relative = QStringLiteral("PHOTO/PHOTO.XML")) const;
    void setText(const QString &text,
                 const QString &relative = QStringLiteral("PHOTO/PHOTO.XML")) const;
    // Replaces the occurrence'th (from 1) of from; fails the test when
    // there is none.
    void replace(const QString &from, const QString &to, int occurrence = 1,
                 const QString &relative = QStringLiteral("PHOTO/PHOTO.XML")) const;
    // The line (from 1) of the occurrence'th of a text; 0 when it is not there.
    int lineOf(const QString &marker, int occurrence = 1,
               const QString &relative = QStringLiteral("PHOTO/PHOTO.XML")) const;

    // Adds the other delivery data as discs carry it: MEET (two meeting
    // records, MEET\ORG\MTG00101.PDF and MTG00201.PDF), PLAN (one plan,
    // PLAN\ORG\PLN00101.PDF) and OTHRS (OTHRS\ORG001\OTH00001.TXT), each
    // document with its DTD, the folders named by INDEX_C.XML.
    void addOtherData() const;

    deliverycheck::CheckReport check(bool decodeImages = true) const;
    QString deliveryWinPath() const;

protected:
    void SetUp() override;
};

// A finding of a report that matches, or null.
const deliverycheck::Finding *findingOf(const deliverycheck::CheckReport &report,
                                        deliverycheck::Level level,
                                        deliverycheck::RuleClass ruleClass, const QString &file,
                                        const QString &messagePart);
// Every finding, one a line, for a failing test's message.
std::string describe(const deliverycheck::CheckReport &report);
