#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class Element;

// The fields of a form as a script reaches them: by name, radio groups by index, values,
// checked states, and the name/value pairs that a submission sends.
namespace FormFields {

using Pairs = std::vector<std::pair<std::string, std::string>>;

// input, select, textarea and button elements inside the form, in document order.
std::vector<Element*> controls(const Element& form);
// Every control of that name (names compare without regard to case), in document order.
std::vector<Element*> named(const Element& form, std::string_view name);

std::string value(const Element& control);
void setValue(Element& control, std::string value);
bool isChecked(const Element& control);
// Checking a radio button clears the others of its group in the same form.
void setChecked(const Element& form, Element& control, bool checked);

// The form is sent as a POST body (method="post", any case); any other method puts its
// fields into the address.
bool isPost(const Element& form);
// A password box of the form holds a value.
bool holdsPassword(const Element& form);

// What submitting the form sends: enabled, named controls; checked boxes and radios only;
// the selected options of a select; no buttons (the form is submitted by script).
Pairs submissionData(const Element& form);

// application/x-www-form-urlencoded text of the pairs (UTF-8 bytes percent-encoded).
std::string urlEncode(const Pairs& pairs);

} // namespace FormFields
