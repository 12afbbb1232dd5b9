#pragma once

#include "photodb/photorecord.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

class XmlStream;

// 基礎情報 of PHOTO.XML and what tells its edition.
struct PhotoBasicInfo
{
    std::string photoFolder;   // 写真フォルダ名
    std::string drawingFolder; // 参考図フォルダ名
    std::string criterion;     // 適用要領基準
    // DTD version: photodata's DTD_version attribute, else the digits and
    // suffix of the DOCTYPE's PHOTOnn.DTD ("05", "02N"); empty when neither.
    std::string dtdVersion;
};

// Reads PHOTO.XML (root photodata) as a stream and hands each 写真情報 on
// as it ends, so that no more than one photo is held at a time. Elements of
// a photo are taken wherever they stand inside its 写真情報, since real
// files nest 代表写真 in 撮影情報; unknown elements, ソフトメーカ用TAG and
// empty elements are passed over.
class PhotoXmlReader final
{
public:
    // False stops the read (the photo could not be stored).
    using PhotoHandler = std::function<bool(const PhotoRecord &)>;

    explicit PhotoXmlReader(XmlStream &stream);
    Q_DISABLE_COPY_MOVE(PhotoXmlReader)

    // True when the whole document was read and every photo taken.
    bool read(const PhotoHandler &handler);

    const PhotoBasicInfo &basicInfo() const { return m_basic; }
    int photoCount() const { return m_photoCount; }
    int drawingCount() const { return m_drawingCount; }
    QString errorText() const { return m_errorText; }

private:
    struct Target
    {
        const char *name;  // interned element name
        std::string *text; // where its text goes
    };

    void startElement();
    void endElement();
    void finishPhoto();
    std::string *targetFor(const char *name, const std::vector<Target> &targets) const;
    void fail(const QString &text);

    XmlStream &m_stream;
    const char *m_photoDataName;
    const char *m_basicInfoName;
    const char *m_photoName;
    const char *m_drawingName;
    std::vector<Target> m_basicTargets;
    std::vector<Target> m_photoTargets;
    std::vector<Target> m_drawingTargets;

    PhotoBasicInfo m_basic;
    PhotoRecord m_record;
    std::string m_drawingFile;
    const PhotoHandler *m_handler = nullptr;
    std::string *m_target = nullptr;
    int m_basicDepth = -1;
    int m_photoDepth = -1;
    int m_drawingDepth = -1;
    bool m_rootSeen = false;
    int m_photoCount = 0;
    int m_drawingCount = 0;
    QString m_errorText;
};
