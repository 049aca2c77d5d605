#include "platform/browser/Navigation.h"

#include "platform/TextEncoding.h"
#include "platform/browser/BrowserFailures.h"
#include "platform/browser/WebAddress.h"
#include "platform/dom/Document.h"
#include "platform/dom/FormFields.h"

#include <cctype>

namespace {

std::string lowerCase(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// A target the element names itself, else the one its document's base element names.
std::string targetName(const Element& element, const Document& document) {
    if (const auto target = element.getAttribute("target")) {
        return *target;
    }
    for (const Element* base : document.getElementsByTagName("base")) {
        if (const auto target = base->getAttribute("target")) {
            return *target;
        }
    }
    return {};
}

// The form's accept-charset (its first name) wins over the page's own encoding.
std::string formCharset(const Element& form, const Document& document) {
    const std::string accepted = form.getAttribute("accept-charset").value_or("");
    const auto start = accepted.find_first_not_of(" ,");
    if (start == std::string::npos) {
        return document.charset();
    }
    return lowerCase(accepted.substr(start, accepted.find_first_of(" ,", start) - start));
}

std::string encodedFields(const Element& form, const std::string& charset) {
    FormFields::Pairs pairs = FormFields::submissionData(form);
    for (auto& [name, value] : pairs) {
        name = TextEncoding::encodeForCharset(name, charset);
        value = TextEncoding::encodeForCharset(value, charset);
    }
    return FormFields::urlEncode(pairs);
}

Navigation refused(BrowserFailure failure) {
    Navigation navigation;
    navigation.request.url = failure.url;
    navigation.refusal = std::move(failure);
    return navigation;
}

// The browsing context and document a link or form sits in.
struct Source {
    FrameTree::Path context;
    const Document* document = nullptr;
};

std::optional<Source> sourceOf(Document& top, const Element& element) {
    auto context = FrameTree::contextOf(top, element);
    if (!context) {
        return std::nullopt;
    }
    const Document* document = FrameTree::documentAt(top, *context);
    return Source{std::move(*context), document};
}

// The request, sent from the source's page into the context the element's target names.
Navigation aimed(HttpRequest request, Document& top, const Source& source, const Element& element) {
    Navigation navigation;
    request.referer = source.document->url();
    navigation.request = std::move(request);
    navigation.target =
        FrameTree::targetOf(top, source.context, targetName(element, *source.document));
    return navigation;
}

Navigation notOnPage() {
    return refused(
        BrowserFailures::unsupported("", "the element is not part of a page of this browser"));
}

} // namespace

Navigation Navigation::toAddress(const std::string& typed) {
    Navigation navigation;
    navigation.request.url = WebAddress::fromUserInput(typed);
    if (navigation.request.url.empty()) {
        navigation.refusal = BrowserFailures::unsupported("", WebAddress::problemWith(typed));
    } else if (WebAddress::isScript(navigation.request.url)) {
        navigation.refusal = BrowserFailures::scriptAddress(navigation.request.url);
    }
    return navigation;
}

Navigation Navigation::forLink(Document& top, const Element& link) {
    const auto source = sourceOf(top, link);
    if (!source) {
        return notOnPage();
    }
    const std::string url = WebAddress::resolve(WebAddress::baseOf(*source->document),
                                                link.getAttribute("href").value_or(""));
    if (WebAddress::isScript(url)) {
        return refused(BrowserFailures::scriptLink(url, link.innerText()));
    }
    return aimed(HttpRequest{url, std::nullopt, {}}, top, *source, link);
}

Navigation Navigation::forForm(Document& top, const Element& form) {
    const auto source = sourceOf(top, form);
    if (!source) {
        return notOnPage();
    }
    const Document& document = *source->document;
    const std::string action = form.getAttribute("action").value_or("");
    std::string url = action.find_first_not_of(" \t\r\n\f") == std::string::npos
                          ? document.url()
                          : WebAddress::resolve(WebAddress::baseOf(document), action);
    if (WebAddress::isScript(url)) {
        return refused(BrowserFailures::scriptForm(url));
    }
    const bool post = FormFields::isPost(form);
    if (post && lowerCase(form.getAttribute("enctype").value_or("")) == "multipart/form-data") {
        return refused(BrowserFailures::unsupported(url, "forms are sent urlencoded only"));
    }
    // the address ends up in server logs, histories and messages
    if (!post && FormFields::holdsPassword(form)) {
        return refused(BrowserFailures::unsupported(
            url, "the form would put a password into the address (it is not sent with "
                 "method=\"post\")"));
    }
    const std::string fields = encodedFields(form, formCharset(form, document));
    if (!post) {
        return aimed(HttpRequest{WebAddress::withQuery(url, fields), std::nullopt, {}}, top,
                     *source, form);
    }
    return aimed(HttpRequest{std::move(url), fields, {}}, top, *source, form);
}
