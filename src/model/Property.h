#pragma once

// A stored field with a getter of its own name and a setter that stores the value given.
#define KV_PROPERTY(Type, name, setter)                                                   \
public:                                                                                   \
    const Type& name() const { return m_##name; }                                         \
    void setter(const Type& value) { m_##name = value; }                                  \
                                                                                          \
private:                                                                                  \
    Type m_##name{};

// The same for plain values passed by value (numbers, flags).
#define KV_VALUE(Type, name, setter, initial)                                             \
public:                                                                                   \
    Type name() const { return m_##name; }                                                \
    void setter(Type value) { m_##name = value; }                                         \
                                                                                          \
private:                                                                                  \
    Type m_##name = initial;
