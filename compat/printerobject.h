#pragma once

namespace pattaro::platform {

// The settings of the printer a program prints to, as the dialogs hand them
// over. A setter refuses a value the printer cannot take by throwing
// std::invalid_argument and keeps the old value.
class PrinterObject {
public:
    static constexpr int kPortrait = 1;
    static constexpr int kLandscape = 2;
    static constexpr int kPaperA4 = 9;
    static constexpr int kQualityHigh = -4;

    int Copies() const { return m_copies; }
    void Copies(int value);
    // 1 portrait, 2 landscape.
    int Orientation() const { return m_orientation; }
    void Orientation(int value);
    // A paper number of the device-mode block (1 letter, 9 A4, … 256 custom).
    int PaperSize() const { return m_paperSize; }
    void PaperSize(int value);
    // Dots per inch, or -1 draft … -4 high.
    int PrintQuality() const { return m_printQuality; }
    void PrintQuality(int value);

private:
    int m_copies = 1;
    int m_orientation = kPortrait;
    int m_paperSize = kPaperA4;
    int m_printQuality = kQualityHigh;
};

} // namespace pattaro::platform
