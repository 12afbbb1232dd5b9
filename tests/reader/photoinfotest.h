#pragma once

#include "jetdaotest.h"
#include "sampleoptions.h"

#include "ui/queuedanswerer.h"

#include <QStringList>

// A workspace for the photo information page and the classification
// master: the program folder (where the KOUJIMASTER template and worksdata
// are built) as drive P:, message boxes answered and recorded, and
// G_PHOTO.mdb made either straight through the engine or by worksdata from
// a generated delivery.
class PhotoInfoTest : public JetDaoTest
{
protected:
    static constexpr char16_t ProgramDir[] = u"P:\\";

    void SetUp() override;

    // G_PHOTO.mdb in the temp folder with the photo database's tables,
    // then the statements (INSERT INTO 写真情報 VALUES ...).
    void writePhotoDatabase(const QStringList &statements) const;
    // Generates a delivery of the standard in D:\deliv and has worksdata
    // read it into the temp folder; the standard's name from GXTemp.
    QString readGeneratedDelivery(DeliveryOptions::Standard standard, int photos);
    // Rows of KOUJIMASTER.MDB in the order written, as the engine holds
    // them: "項目ＩＤ|名称|子ＩＤ|弟ＩＤ|親ＩＤ".
    QStringList masterRows() const;
    // Texts of the message boxes so far; forgets them.
    QStringList takeMessages();

    ui::QueuedAnswerer m_answerer;
};
