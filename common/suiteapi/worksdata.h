#pragma once

// Functions of the suite's construction-data library, "worksdata.dll", as
// the programs call them. Strings are zero-terminated UTF-16; output
// buffers are the caller's, with sizes in characters.
extern "C" {

// Reads a standard delivery's index file and PHOTO\PHOTO.XML; on success
// the temp folder holds GXTemp and G_PHOTO.mdb. Nonzero when read.
int DNXmlRead(const char16_t *rootFolder, int planFlag);
// Nonzero when the folder is itself the PHOTO folder of a delivery.
int CheckPhotoFolder(const char16_t *folder);
// The plan flag of a delivery root, handed on to DNXmlRead; buffer holds
// 260 characters.
int GetPlanFlag(const char16_t *folder, char16_t *buffer);

// Writes GXTemp for DeliveryWriter's basic-information page; fills the
// applicable-standard text (256 characters) and the other-data flag text
// (6 characters). calsDatabase may be null. Nonzero on success.
int DNInfMake(const char16_t *koujiFolder, int standardCode, int reserved,
              const char16_t *arg6, const char16_t *arg7, int arg4, char16_t *tekiyou,
              const char16_t *calsDatabase, const char16_t *arg9, int japaneseNames,
              char16_t *otherDataFlag);
// The album label of an album's KOUJI.XML into buffer (260 characters).
int DNKoujiInfGet2(const char16_t *koujiXmlPath, char16_t *buffer);
// Writes the error information of a government-building export.
int DNErrInfMake4(char16_t *koujiXmlPath, int standardCode);

// Other delivery programs described in Cooperation.ini.
int GetCooperatorCount(const char16_t *cooperationIni);
int IsCooperatorInstalled(const char16_t *cooperationIni, int number, int standardCode);
const char16_t *GetCooperatorAppName(const char16_t *cooperationIni, int number,
                                     char16_t *buffer, int bufferSize);
}
