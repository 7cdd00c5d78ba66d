// The user's own, editable materia medicas.  They are saved as ordinary .mmb
// files whose flags (2 or 3, without 0x40) tell the engine to wrap them again.
// Recognise them by GetType (3: UserArticle) or, for type 2, by GetFlags
// without bit 0x40 and low six bits 2.
#pragma once

#include "corvela/materia_medica.h"

class UserMMArticle;

class UserMateriaMedica : public MateriaMedica {
public:
    virtual void SetPosition(int position) = 0;               // slot 22
    virtual void SetText2(const char* text) = 0;              // 23
    virtual void SetText4(const char* text) = 0;              // 24
    virtual void SetFlags(int flags) = 0;                     // 25
    virtual UserMMArticle* GetUserArticle(int position) = 0;  // 26: null out of range
    // The article of that remedy, made (empty) when there is none.
    virtual UserMMArticle* GetOrCreateArticle(int remedy) = 0;  // 27
    virtual void DeleteArticle(int remedy) = 0;               // 28
    virtual void DropBackingFile() = 0;                       // 29
    // Texts 1 (the name), 3 (the author) and 5 (the description), as "Edit
    // autor info" changes them; like SetText2 and SetText4 they keep the
    // backing file (the next Save writes them).
    virtual void SetName(const char* text) = 0;               // 30
    virtual void SetText3(const char* text) = 0;              // 31
    virtual void SetText5(const char* text) = 0;              // 32

protected:
    ~UserMateriaMedica() override = default;
};

class UserMMArticle : public Article {
public:
    virtual void SetId(int id) = 0;                           // slot 7
    virtual void SetRemedy(int remedy) = 0;                   // 8: drops the owner's backing file
    virtual void SetParent(DataItem* parent) = 0;             // 9
    virtual void SetText(const char* text) = 0;               // 10: drops the owner's backing file
    virtual void SetRichText(const char* rtf) = 0;            // 11: drops the owner's backing file

protected:
    ~UserMMArticle() override = default;
};

// A single free-standing article with a name (text 1), an author (text 3) and
// a description (text 5).  GetType answers 3.
class UserArticle : public DataSource {
public:
    virtual void SetGuid(const Guid* id) = 0;                 // slot 18
    virtual void SetPosition(int position) = 0;               // 19
    virtual void SetName(const char* text) = 0;               // 20
    virtual void SetText2(const char* text) = 0;              // 21
    virtual void SetText5(const char* text) = 0;              // 22
    virtual void SetText3(const char* text) = 0;              // 23
    virtual void SetText4(const char* text) = 0;              // 24
    virtual const char* GetArticleText() = 0;                 // 25
    virtual void SetArticleText(const char* text) = 0;        // 26
    virtual const char* GetArticleRichText() = 0;             // 27
    virtual void SetArticleRichText(const char* rtf) = 0;     // 28

protected:
    ~UserArticle() override = default;
};
