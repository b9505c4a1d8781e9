#include "app/NumberText.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "app/DecimalDigits.h"

namespace {

constexpr std::size_t SignificantDigits = 15;
constexpr long FixedMinExponent = -4;
constexpr long FixedMaxExponent = 14;
constexpr long ExponentReadLimit = 500;

bool IsDigit(wchar_t ch) { return ch >= L'0' && ch <= L'9'; }

// The number part of a text, as an integer digit string and a power of ten.
struct TDecimalText {
  std::string Digits;  // no leading zeros; empty for zero
  long long Exponent = 0;
};

// Reads digits from text[pos, end); afterDot counts them as fraction digits.
void ReadMantissaDigits(const std::wstring& text, std::size_t& pos,
                        std::size_t end, bool afterDot, TDecimalText& number) {
  for (; pos < end && IsDigit(text[pos]); ++pos) {
    if (!number.Digits.empty() || text[pos] != L'0')
      number.Digits += static_cast<char>(text[pos]);
    if (afterDot) --number.Exponent;
  }
}

// Reads "E"/"e", a sign and digits; digit reading stops at 500 so that any
// further digit is left over and rejects the text.
void ReadExponent(const std::wstring& text, std::size_t& pos, std::size_t end,
                  TDecimalText& number) {
  if (pos >= end || (text[pos] != L'E' && text[pos] != L'e')) return;
  ++pos;
  bool negative = false;
  if (pos < end && (text[pos] == L'+' || text[pos] == L'-'))
    negative = text[pos++] == L'-';
  long exponent = 0;
  for (; pos < end && IsDigit(text[pos]) && exponent < ExponentReadLimit; ++pos)
    exponent = exponent * 10 + (text[pos] - L'0');
  number.Exponent += negative ? -exponent : exponent;
}

// Correctly rounded conversion; the text has no decimal point, so the
// result does not depend on the C locale.
bool DecimalToValue(const TDecimalText& number, long double& magnitude) {
  if (number.Digits.empty()) {
    magnitude = 0.0L;
    return true;
  }
  const std::string text =
      number.Digits + "e" + std::to_string(number.Exponent);
  magnitude = std::strtold(text.c_str(), nullptr);
  return std::isfinite(magnitude);
}

std::wstring Widen(const std::string& ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

// Digits with the point after `integerDigits` of them, padded with zeros.
std::string FixedText(const std::string& digits, long integerDigits) {
  if (integerDigits <= 0)
    return "0." + std::string(static_cast<std::size_t>(-integerDigits), '0') +
           digits;
  const std::size_t split = static_cast<std::size_t>(integerDigits);
  if (digits.size() <= split)
    return digits + std::string(split - digits.size(), '0');
  return digits.substr(0, split) + "." + digits.substr(split);
}

std::string ScientificText(const std::string& digits, long exponent) {
  std::string text = digits.substr(0, 1);
  if (digits.size() > 1) text += "." + digits.substr(1);
  return text + "E" + std::to_string(exponent);
}

}  // namespace

bool ParseNumber(const std::wstring& text, long double& value) {
  std::size_t pos = text.find_first_not_of(L' ');
  if (pos == std::wstring::npos) return false;
  const std::size_t end = text.find_last_not_of(L' ') + 1;

  bool negative = false;
  if (text[pos] == L'+' || text[pos] == L'-') negative = text[pos++] == L'-';
  if (pos == end) return false;

  TDecimalText number;
  ReadMantissaDigits(text, pos, end, false, number);
  if (pos < end && text[pos] == L'.')
    ReadMantissaDigits(text, ++pos, end, true, number);
  ReadExponent(text, pos, end, number);
  if (pos != end) return false;

  long double magnitude = 0.0L;
  if (!DecimalToValue(number, magnitude)) return false;
  value = negative ? -magnitude : magnitude;
  return true;
}

std::wstring FormatNumber(long double value) {
  if (std::isnan(value)) return L"NAN";
  const std::wstring sign = std::signbit(value) ? L"-" : L"";
  if (std::isinf(value)) return sign + L"INF";
  if (value == 0.0L) return L"0";

  TDecimalDigits number = ExactDecimalDigits(std::fabs(value));
  RoundToSignificant(number, SignificantDigits);
  const long exponent = number.PointPos - 1;
  if (exponent >= FixedMinExponent && exponent <= FixedMaxExponent)
    return sign + Widen(FixedText(number.Digits, number.PointPos));
  return sign + Widen(ScientificText(number.Digits, exponent));
}
