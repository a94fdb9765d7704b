#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvelin {

// A finite decimal number: blanks, an optional sign, digits with at most one decimal point, an
// optional exponent, blanks. Anything else, and a value beyond the 64-bit range, is nullopt.
// The full-width digits, full stops (． and 。), signs, exponent letters and the ideographic
// space of a Chinese input method read as their ASCII counterparts. Never depends on the locale.
std::optional<double> readDecimal(std::string_view answer);

// An answer of blanks only, ideographic spaces included: the same as pressing Enter.
bool isEmptyAnswer(std::string_view answer);

enum class ConfirmAnswer { Confirmed, Rejected, Unreadable };

// Confirm rule: the number 0 (also typed full-width, ０) rejects the value; an empty answer
// (Enter, Cancel, or blanks only) and any other number confirm it; a word is neither.
ConfirmAnswer readConfirm(const std::optional<std::string>& answer);

// The answer shortened for a message, so that a pasted page does not fill the screen.
std::string quotedAnswer(std::string_view answer);

}  // namespace korvelin
