#pragma once
// The lead bytes of code page 932 (Shift-JIS), whose trail bytes include the backslash (0x5C)
// and the tilde (0x7E): 0x83 0x5C is one character, as is 0x81 0x7E.

inline bool ShiftJisLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

inline bool NoLeadBytes(unsigned char) {
    return false;
}
