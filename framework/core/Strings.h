#pragma once
// Lists of text lines: the abstract TStrings that controls expose, and TStringList that holds
// its lines itself.

#include "framework/core/Component.h"
#include "framework/core/Events.h"
#include "framework/core/Exceptions.h"

#include <string>
#include <string_view>
#include <vector>

class EStringListError : public Exception {
public:
    using Exception::Exception;
};

class TStrings : public TPersistent {
    FRAMEWORK_CLASS(TStrings)
public:
    virtual int Count() const = 0;
    // Raises EStringListError for an index outside 0 .. Count() - 1.
    virtual std::string Get(int index) const = 0;
    virtual void Put(int index, const std::string& text) = 0;
    virtual void Insert(int index, const std::string& text) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    std::string Strings(int index) const { return Get(index); }
    std::string operator[](int index) const { return Get(index); }
    int Add(const std::string& text); // returns the new line's index
    // Compares without regard to ASCII case; -1 when absent.
    int IndexOf(std::string_view text) const;

    // Every line followed by CR LF.
    std::string Text() const;
    // Splits at CR, LF or CR LF; a break at the very end adds no empty line.
    void SetText(std::string_view text);
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);

    void Assign(const TPersistent* source) override;

    // Changes between BeginUpdate and the matching EndUpdate count as one.
    void BeginUpdate();
    void EndUpdate();

protected:
    bool IsUpdating() const { return FUpdateCount > 0; }
    // Called when the outermost EndUpdate closes.
    virtual void UpdateEnded() {}
    void CheckIndex(int index, int limit) const;

private:
    int FUpdateCount = 0;
};

class TStringList : public TStrings {
    FRAMEWORK_CLASS(TStringList)
public:
    int Count() const override { return static_cast<int>(FLines.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string& text) override;
    void Insert(int index, const std::string& text) override;
    void Delete(int index) override;
    void Clear() override;

    // Once per change, or once at EndUpdate when anything changed meanwhile.
    TNotifyEvent OnChange;

protected:
    void UpdateEnded() override;

private:
    void Changed();

    std::vector<std::string> FLines;
    bool FChangedWhileUpdating = false;
};
