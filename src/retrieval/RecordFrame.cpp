#include "retrieval/RecordFrame.h"

#include "platform/dom/Document.h"
#include "platform/dom/FormFields.h"

#include <algorithm>

Document* RecordFrame::of(const Document& page, const PortalLayout& layout) {
    const auto frames = page.frames();
    const auto at = static_cast<std::size_t>(layout.recordFrame);
    return layout.recordFrame >= 0 && at < frames.size() ? frames[at]->contentDocument() : nullptr;
}

Element* RecordFrame::link(const Document& document, std::span<const std::string_view> texts) {
    for (Element* link : document.links()) {
        if (std::find(texts.begin(), texts.end(), link->innerText()) != texts.end()) {
            return link;
        }
    }
    return nullptr;
}

bool RecordFrame::showsLoginForm(const Document& document, const PortalLayout& layout) {
    const auto forms = document.forms();
    return std::any_of(forms.begin(), forms.end(), [&layout](const Element* form) {
        return !FormFields::named(*form, layout.userNameField).empty() &&
               !FormFields::named(*form, layout.passwordField).empty();
    });
}
