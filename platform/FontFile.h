#pragma once
// Installed font files found through fontconfig and read in place, mapped rather than copied.

#include <QByteArray>
#include <QString>

struct hb_face_t;

// The face of the installed file that serves exactly this family, or null when no installed
// family has the name (the caller then lets Qt choose a substitute). The caller owns the face.
hb_face_t* OpenFontFile(const QString& family, bool bBold, bool bItalic);

// A copy of the face's table, empty when the face has none.
QByteArray FaceTable(hb_face_t* face, const char* tag);

// Unmaps the files; faces still open keep their own reference.
void ReleaseFontFiles();
