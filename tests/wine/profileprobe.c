/* Asks Windows (Wine) for private profile answers. Reads commands, one a
 * line, fields split by tabs, from a UTF-16LE file, and writes one answer
 * a line to another:
 *   R section key default size file   GetPrivateProfileStringW's text
 *   I section key default file        GetPrivateProfileIntW's number
 *   W section key value file          WritePrivateProfileStringW: 1 or 0
 */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

enum { MaxFields = 6, AnswerSize = 65536 };

static wchar_t *readAll(const wchar_t *path)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    DWORD size = GetFileSize(file, NULL);
    DWORD done = 0;
    wchar_t *text = calloc(size / 2 + 1, sizeof(wchar_t));
    ReadFile(file, text, size, &done, NULL);
    CloseHandle(file);
    return text;
}

static void put(HANDLE out, const wchar_t *text)
{
    DWORD done = 0;
    WriteFile(out, text, (DWORD)(wcslen(text) * sizeof(wchar_t)), &done, NULL);
}

int wmain(int argc, wchar_t **argv)
{
    static wchar_t answer[AnswerSize];
    wchar_t *text;
    wchar_t *line;
    wchar_t *nextLine;
    HANDLE out;
    if (argc != 3)
        return 2;
    text = readAll(argv[1]);
    out = CreateFileW(argv[2], GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    for (line = text; line && *line; line = nextLine) {
        wchar_t *fields[MaxFields] = {0};
        int count = 0;
        wchar_t *cursor = line;
        nextLine = wcschr(line, L'\n');
        if (nextLine)
            *nextLine++ = 0;
        while (count < MaxFields) {
            wchar_t *tab = wcschr(cursor, L'\t');
            fields[count++] = cursor;
            if (!tab)
                break;
            *tab = 0;
            cursor = tab + 1;
        }
        answer[0] = 0;
        if (fields[0][0] == L'R' && count == 6)
            GetPrivateProfileStringW(fields[1], fields[2], fields[3], answer, (DWORD)_wtoi(fields[4]), fields[5]);
        else if (fields[0][0] == L'I' && count == 5)
            swprintf(answer, AnswerSize, L"%d", (int)GetPrivateProfileIntW(fields[1], fields[2], _wtoi(fields[3]), fields[4]));
        else if (fields[0][0] == L'W' && count == 5)
            swprintf(answer, AnswerSize, L"%d", WritePrivateProfileStringW(fields[1], fields[2], fields[3], fields[4]) ? 1 : 0);
        else
            wcscpy(answer, L"?bad command");
        put(out, answer);
        put(out, L"\n");
    }
    CloseHandle(out);
    return 0;
}
