#include "platform/dom/Node.h"

#include "platform/dom/Element.h"

#include <cassert>

Node& Node::appendChild(std::unique_ptr<Node> child) {
    assert(isElement() && "only elements hold children");
    child->m_parent = static_cast<Element*>(this);
    m_children.push_back(std::move(child));
    return *m_children.back();
}

void Node::removeChildren() {
    m_children.clear();
}

std::vector<Element*> Node::childElements() const {
    std::vector<Element*> elements;
    for (const auto& child : m_children) {
        if (child->isElement()) {
            elements.push_back(static_cast<Element*>(child.get()));
        }
    }
    return elements;
}

std::unique_ptr<Node> Node::clone() const {
    std::unique_ptr<Node> copy;
    if (isElement()) {
        const auto& self = static_cast<const Element&>(*this);
        auto element = std::make_unique<Element>(self.tagName(), self.elementNamespace());
        for (const auto& attribute : self.attributes()) {
            element->appendParsedAttribute(attribute.name, attribute.value);
        }
        copy = std::move(element);
    } else {
        copy = std::make_unique<CharacterNode>(m_kind, m_data);
    }
    copy->m_children.reserve(m_children.size());
    for (const auto& child : m_children) {
        copy->appendChild(child->clone());
    }
    return copy;
}
