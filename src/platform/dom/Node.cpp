#include "platform/dom/Node.h"

#include "platform/dom/Element.h"
#include "platform/dom/NodeArena.h"

#include <cassert>

CharacterNode::CharacterNode(Kind kind, NodeArena& arena, std::string_view text)
    : Node(kind, arena)
    , m_text(arena.copy(text)) {}

Node::Children Node::children() const {
    return Children(isElement() ? static_cast<const Element*>(this)->m_firstChild : nullptr);
}

void Node::removeChildren() {
    if (isElement()) {
        auto* element = static_cast<Element*>(this);
        for (Node* child = element->m_firstChild; child;) {
            Node* next = child->m_next;
            child->m_parent = nullptr;
            child->m_next = nullptr;
            child = next;
        }
        element->m_firstChild = nullptr;
        element->m_lastChild = nullptr;
    }
}

std::string_view Node::data() const {
    return isElement() ? std::string_view() : static_cast<const CharacterNode*>(this)->m_text;
}

void Node::setData(std::string_view data) {
    assert(!isElement() && "only texts and comments hold data");
    static_cast<CharacterNode*>(this)->m_text = m_arena->copy(data);
}

std::vector<Element*> Node::childElements() const {
    std::vector<Element*> elements;
    for (Node* child : children()) {
        if (child->isElement()) {
            elements.push_back(static_cast<Element*>(child));
        }
    }
    return elements;
}
