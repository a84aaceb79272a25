#pragma once
// The one string type: an owned, never-null, NUL-terminated text, and an owned chain of
// further strings through which lists of names travel. Comparisons ignore case.

class Stream;

class Stringc {
public:
    static constexpr int kMaxStoredLength = 65534; // the stored count is length + 1 in 16 bits
    static constexpr int kMaxFormatLength = 999;

    Stringc();
    Stringc(const char* text);            // null gives the empty text
    Stringc(const Stringc& other);        // the text only, not the chain
    Stringc(const char* text, int count); // the first count characters
    Stringc(const Stringc& other, int count);
    explicit Stringc(int value);
    explicit Stringc(unsigned value);
    explicit Stringc(double value); // _gcvt form, 15 significant digits
    virtual ~Stringc();

    void SetText(const char* text);
    void SetTextN(const char* text, int count); // at most count characters
    void AppendText(const char* text);
    void Clear(); // empty text, chain destroyed

    // Copies the text and the source's next string (its text only); the old chain goes.
    Stringc& operator=(const Stringc& other);
    // These replace the text only; the chain stays.
    Stringc& operator=(const char* text);
    Stringc& operator=(int value);
    Stringc& operator=(unsigned value);
    Stringc& operator=(double value);
    Stringc& operator=(char character); // the character 0 gives the empty text
    void Assign(const char* text, int count);

    const char* c_str() const { return m_text; }
    int Length() const;                    // bytes, excluding the NUL
    char operator[](int index) const;      // unchecked
    void SetAt(int index, char character); // unchecked
    int DropLastChar();                    // the length before

    int ToInt() const;
    long ToLong() const;
    double ToFloat() const;
    // "1|2|0x10": the OR of the numbers (strtol, base 0).
    unsigned ToFlags() const;
    // "1|2|3": the numbers as bytes, the last lowest: 0x010203.
    unsigned ToPackedBytes() const;

    bool operator==(const char* text) const { return Compare(text) == 0; }
    bool operator!=(const char* text) const { return Compare(text) != 0; }
    bool operator<(const char* text) const { return Compare(text) < 0; }
    bool operator>(const char* text) const { return Compare(text) > 0; }
    bool operator<=(const char* text) const { return Compare(text) <= 0; }
    bool operator>=(const char* text) const { return Compare(text) >= 0; }
    bool operator==(const Stringc& other) const { return Compare(other.m_text) == 0; }
    bool operator!=(const Stringc& other) const { return Compare(other.m_text) != 0; }
    bool operator<(const Stringc& other) const { return Compare(other.m_text) < 0; }
    bool operator>(const Stringc& other) const { return Compare(other.m_text) > 0; }
    bool operator<=(const Stringc& other) const { return Compare(other.m_text) <= 0; }
    bool operator>=(const Stringc& other) const { return Compare(other.m_text) >= 0; }

    Stringc& operator+=(const char* text);
    Stringc& operator+=(const Stringc& other);
    Stringc& Append(const Stringc& other);
    Stringc& operator+=(char character);
    Stringc& operator+=(int value);
    Stringc& operator+=(unsigned value);
    Stringc& operator+=(double value);
    Stringc operator+(const char* text) const;
    Stringc operator+(const Stringc& other) const;
    Stringc operator+(int value) const;
    Stringc operator+(unsigned value) const;
    Stringc operator+(double value) const;

    Stringc Left(int count) const;
    Stringc Right(int count) const;
    Stringc Mid(int from, int to) const;  // [from, to); empty unless both lie in the text
    int Find(char character) const;       // index, or -1
    int FindText(const char* text) const; // index + 1, or -1
    int CountChar(char character) const;
    // The last occurrence; the start of the text when there is none or it is the first
    // character, which callers take as not found.
    const char* FindLast(char character) const;

    void ToLower();
    void ToUpper();
    void ReplaceChar(char from, char to);
    void BackslashToSlash();
    void Trim(); // trailing ' ' only; texts shorter than two characters stay
    void TrimLeft();
    int Format(const char* format, ...)
        __attribute__((format(printf, 2, 3))); // at most 999 characters
    // value in decimal, zero-padded to width; one character too long stays unpadded,
    // longer gives the empty text.
    Stringc PadNumber(int value, int width);
    static void ReplaceAll(const char* source, const char* find, const char* replacement,
                           Stringc& out);
    // Takes the next word off the front: the text up to the first white space, with one
    // ' ' in its place; newline tells whether that was a line feed.
    Stringc NextWord(bool& newline);

    // Paths: '/' is the only separator. The extension is the text after the last '.' of
    // the last path component, unless that '.' begins the component.
    const char* StripExtension();
    bool HasExtension() const;
    Stringc FileName();    // the name without directory and extension; kept and returned
    Stringc Extension();   // kept and returned; when none, the text stays and "" is returned
    Stringc Directory();   // the text before the last '/', kept and returned; "" when none
    void CutAtLastSlash(); // unchanged when there is no '/'
    // '/' separators and no '/' at the end, unless the text is "/" alone.
    void NormaliseDirectory();
    void SplitPath(Stringc& directory, Stringc& fileName) const; // directory "" when no '/'
    const char* RightPtr(int count) const;                       // the last count characters

    Stringc* GetNext() const { return m_next; }
    int ChainCount() const;      // the head included
    Stringc* ChainAt(int index); // the head is 0; null past the end
    void AppendToChain(const char* text);
    void LinkChain(Stringc* chain); // takes ownership; null does nothing
    // Inserts this lone string before the first string of head's chain that is not less
    // than it, and returns the head of the result.
    Stringc* InsertSorted(Stringc* head);

    // Stored form, little-endian: u16 N = length + 1, then N bytes ending in the NUL; the
    // empty text is N = 0 alone. A failed read leaves the empty text.
    bool Write(Stream& stream) const;
    bool Read(Stream& stream);

private:
    int Compare(const char* text) const;
    void TakeBuffer(char* buffer); // frees the old text, keeps the chain
    void Release(); // text and chain freed, the text left null: a new one must follow at once
    void DestroyChain();
    int LastSlash() const;    // -1 when none
    int ExtensionDot() const; // -1 when the text has no extension
    Stringc& ChainEnd();

    char* m_text;
    Stringc* m_next = nullptr;
};
