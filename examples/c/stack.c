/*
 * stack.c - implementation of the integer stack declared in stack.h.
 */
#include <stdlib.h>

#include "stack.h"

int stack_init(int_stack *s)
{
    s->count = 0;
    s->capacity = STACK_INITIAL_CAPACITY;
    s->items = malloc(s->capacity * sizeof *s->items);
    return s->items != NULL ? STACK_OK : STACK_NO_MEMORY;
}

void stack_free(int_stack *s)
{
    free(s->items);
    s->items = NULL;
    s->count = s->capacity = 0;
}

/* Doubles the storage when it is full. */
static int stack_grow(int_stack *s)
{
    size_t wanted = s->capacity * 2;
    int *bigger;

    if ((bigger = realloc(s->items, wanted * sizeof *bigger)) == NULL)
        return STACK_NO_MEMORY;
    s->items = bigger;
    s->capacity = wanted;
    return STACK_OK;
}

int stack_push(int_stack *s, int value)
{
    if (s->count == s->capacity && stack_grow(s) != STACK_OK) {
        return STACK_NO_MEMORY;
    }
    s->items[s->count++] = value;
    return STACK_OK;
}

int stack_pop(int_stack *s, int *value)
{
    if (STACK_IS_EMPTY(s))
        return STACK_EMPTY;
    *value = s->items[--s->count];
    return STACK_OK;
}

int stack_peek(const int_stack *s, int *value)
{
    if (STACK_IS_EMPTY(s))
        return STACK_EMPTY;
    *value = s->items[s->count - 1];
    return STACK_OK;
}

long stack_sum(const int_stack *s)
{
    long total = 0;
    size_t i;

    for (i = 0; i < s->count; ++i)
        total += s->items[i];
    return total;
}

const char *stack_status_text(int status)
{
    switch (status) {
    case STACK_OK:        return "ok";
    case STACK_EMPTY:     return "the stack is empty";
    case STACK_NO_MEMORY: return "out of memory while growing the stack storage area";
    default:              return "unknown status";
    }
}
