#include "platform/dom/FormFields.h"

#include "platform/AsciiCase.h"
#include "platform/dom/Element.h"
#include "platform/dom/InnerText.h"

#include <cctype>

namespace {

std::string typeOf(const Element& control) {
    std::string type = control.getAttribute("type").value_or(control.hasTag("input") ? "text" : "");
    for (char& c : type) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return type;
}

bool isCheckable(const Element& control) {
    const std::string type = typeOf(control);
    return control.hasTag("input") && (type == "radio" || type == "checkbox");
}

void appendSelect(const Element& select, const std::string& name, FormFields::Pairs& pairs) {
    const auto options = descendantsByTag(select, "option");
    bool any = false;
    for (const Element* option : options) {
        if (option->hasAttribute("selected")) {
            pairs.emplace_back(name, FormFields::value(*option));
            any = true;
            if (!select.hasAttribute("multiple")) {
                break;
            }
        }
    }
    if (!any && !options.empty() && !select.hasAttribute("multiple")) {
        pairs.emplace_back(name, FormFields::value(*options.front()));
    }
}

} // namespace

std::vector<Element*> FormFields::controls(const Element& form) {
    std::vector<Element*> result;
    for (Element* element : descendantElements(form)) {
        if (element->hasTag("input") || element->hasTag("select") || element->hasTag("textarea") ||
            element->hasTag("button")) {
            result.push_back(element);
        }
    }
    return result;
}

std::vector<Element*> FormFields::named(const Element& form, std::string_view name) {
    std::vector<Element*> result;
    for (Element* control : controls(form)) {
        const auto controlName = control->getAttribute("name");
        if ((controlName && AsciiCase::equal(*controlName, name)) ||
            (!controlName && AsciiCase::equal(control->getAttribute("id").value_or(""), name))) {
            result.push_back(control);
        }
    }
    return result;
}

bool FormFields::isPost(const Element& form) {
    return AsciiCase::equal(form.getAttribute("method").value_or("get"), "post");
}

bool FormFields::holdsPassword(const Element& form) {
    for (const Element* control : controls(form)) {
        if (control->hasTag("input") && typeOf(*control) == "password" &&
            !value(*control).empty()) {
            return true;
        }
    }
    return false;
}

std::string FormFields::value(const Element& control) {
    if (control.hasTag("textarea")) {
        return control.getAttribute("value").value_or(InnerText::of(control));
    }
    if (control.hasTag("option")) {
        return control.getAttribute("value").value_or(InnerText::of(control));
    }
    const auto value = control.getAttribute("value");
    return value ? *value : (isCheckable(control) ? "on" : "");
}

void FormFields::setValue(Element& control, std::string value) {
    control.setAttribute("value", std::move(value));
}

bool FormFields::isChecked(const Element& control) {
    return control.hasAttribute("checked");
}

void FormFields::setChecked(const Element& form, Element& control, bool checked) {
    if (checked && typeOf(control) == "radio") {
        const std::string name = control.getAttribute("name").value_or("");
        for (Element* other : named(form, name)) {
            if (other != &control && typeOf(*other) == "radio") {
                other->removeAttribute("checked");
            }
        }
    }
    if (checked) {
        control.setAttribute("checked", "");
    } else {
        control.removeAttribute("checked");
    }
}

FormFields::Pairs FormFields::submissionData(const Element& form) {
    Pairs pairs;
    for (const Element* control : controls(form)) {
        const auto name = control->getAttribute("name");
        const std::string type = typeOf(*control);
        if (!name || name->empty() || control->hasAttribute("disabled") ||
            control->hasTag("button") || type == "submit" || type == "button" || type == "reset" ||
            type == "image" || type == "file") {
            continue;
        }
        if (control->hasTag("select")) {
            appendSelect(*control, *name, pairs);
        } else if (!isCheckable(*control) || isChecked(*control)) {
            pairs.emplace_back(*name, value(*control));
        }
    }
    return pairs;
}

std::string FormFields::urlEncode(const Pairs& pairs) {
    static constexpr char hex[] = "0123456789ABCDEF";
    auto encode = [](std::string& out, std::string_view text) {
        for (char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (std::isalnum(byte) || c == '*' || c == '-' || c == '.' || c == '_') {
                out += c;
            } else if (c == ' ') {
                out += '+';
            } else {
                out += '%';
                out += hex[byte >> 4];
                out += hex[byte & 0xF];
            }
        }
    };
    std::string out;
    for (const auto& [name, value] : pairs) {
        if (!out.empty()) {
            out += '&';
        }
        encode(out, name);
        out += '=';
        encode(out, value);
    }
    return out;
}
