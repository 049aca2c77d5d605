#include "portalsim/GumboPage.h"

#include <QString>
#include <algorithm>

namespace {

void collect(const GumboNode* node, std::vector<const GumboNode*>& out) {
    if (node->type != GUMBO_NODE_ELEMENT) {
        return;
    }
    out.push_back(node);
    const GumboVector& children = node->v.element.children;
    for (unsigned i = 0; i < children.length; ++i) {
        collect(static_cast<const GumboNode*>(children.data[i]), out);
    }
}

// Child elements whose tag is one of `tags`, in order.
std::vector<const GumboNode*> childElements(const GumboNode* node,
                                            std::initializer_list<GumboTag> tags) {
    std::vector<const GumboNode*> out;
    const GumboVector& children = node->v.element.children;
    for (unsigned i = 0; i < children.length; ++i) {
        const auto* child = static_cast<const GumboNode*>(children.data[i]);
        if (child->type == GUMBO_NODE_ELEMENT &&
            std::find(tags.begin(), tags.end(), child->v.element.tag) != tags.end()) {
            out.push_back(child);
        }
    }
    return out;
}

void appendText(const GumboNode* node, std::string& out) {
    if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE) {
        out += node->v.text.text;
    } else if (node->type == GUMBO_NODE_ELEMENT) {
        const GumboVector& children = node->v.element.children;
        for (unsigned i = 0; i < children.length; ++i) {
            appendText(static_cast<const GumboNode*>(children.data[i]), out);
        }
    }
}

} // namespace

GumboPage::GumboPage(std::string_view latin1Html) {
    const std::string utf8 =
        QString::fromLatin1(latin1Html.data(), static_cast<qsizetype>(latin1Html.size()))
            .toUtf8()
            .toStdString();
    m_output = gumbo_parse_with_options(&kGumboDefaultOptions, utf8.data(), utf8.size());
    collect(m_output->root, m_all);
}

GumboPage::~GumboPage() {
    gumbo_destroy_output(&kGumboDefaultOptions, m_output);
}

std::vector<const GumboNode*> GumboPage::byTag(GumboTag tag) const {
    std::vector<const GumboNode*> out;
    for (const GumboNode* node : m_all) {
        if (node->v.element.tag == tag) {
            out.push_back(node);
        }
    }
    return out;
}

std::vector<const GumboNode*> GumboPage::rows(const GumboNode* table) {
    std::vector<const GumboNode*> out;
    for (const GumboNode* child :
         childElements(table, {GUMBO_TAG_TR, GUMBO_TAG_TBODY, GUMBO_TAG_THEAD, GUMBO_TAG_TFOOT})) {
        if (child->v.element.tag == GUMBO_TAG_TR) {
            out.push_back(child);
        } else {
            const auto sectionRows = childElements(child, {GUMBO_TAG_TR});
            out.insert(out.end(), sectionRows.begin(), sectionRows.end());
        }
    }
    return out;
}

std::vector<const GumboNode*> GumboPage::cells(const GumboNode* row) {
    return childElements(row, {GUMBO_TAG_TD, GUMBO_TAG_TH});
}

std::string GumboPage::innerText(const GumboNode* node) {
    std::string out;
    appendText(node, out);
    return out;
}

std::string GumboPage::attribute(const GumboNode* node, const char* name) {
    const GumboAttribute* found = gumbo_get_attribute(&node->v.element.attributes, name);
    return found == nullptr ? std::string() : std::string(found->value);
}

std::string GumboPage::title() const {
    const auto titles = byTag(GUMBO_TAG_TITLE);
    return titles.empty() ? std::string() : innerText(titles.front());
}

std::string GumboPage::cellText(std::size_t table, std::size_t row, std::size_t cell) const {
    const auto tables = byTag(GUMBO_TAG_TABLE);
    if (table >= tables.size()) {
        return {};
    }
    const auto tableRows = rows(tables[table]);
    if (row >= tableRows.size()) {
        return {};
    }
    const auto rowCells = cells(tableRows[row]);
    return cell < rowCells.size() ? innerText(rowCells[cell]) : std::string();
}

const GumboNode* GumboPage::link(std::string_view text) const {
    for (const GumboNode* node : byTag(GUMBO_TAG_A)) {
        if (!attribute(node, "href").empty() && innerText(node) == text) {
            return node;
        }
    }
    return nullptr;
}

std::vector<const GumboNode*> GumboPage::frames() const {
    std::vector<const GumboNode*> out;
    for (const GumboNode* node : m_all) {
        if (node->v.element.tag == GUMBO_TAG_FRAME || node->v.element.tag == GUMBO_TAG_IFRAME) {
            out.push_back(node);
        }
    }
    return out;
}
