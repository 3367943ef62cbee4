/*
 * stack.h - a growable stack of integers.
 *
 * The stack owns its storage; call stack_free() when done with it.
 */
#ifndef EXAMPLE_STACK_H
#define EXAMPLE_STACK_H

#include <stddef.h>

/* Number of slots a new stack starts with. */
#define STACK_INITIAL_CAPACITY 8

/* True when the stack holds no values. */
#define STACK_IS_EMPTY(s) ((s)->count == 0)

typedef struct stack {
    int    *items;     /* storage, capacity slots long */
    size_t  count;     /* values currently held */
    size_t  capacity;  /* slots allocated */
} int_stack;

/* Result codes shared by the operations below. */
enum stack_status {
    STACK_OK = 0,
    STACK_EMPTY,
    STACK_NO_MEMORY
};

int  stack_init(int_stack *s);
void stack_free(int_stack *s);
int  stack_push(int_stack *s, int value);
int  stack_pop(int_stack *s, int *value);
int  stack_peek(const int_stack *s, int *value);
long stack_sum(const int_stack *s);
const char *stack_status_text(int status);

#endif /* EXAMPLE_STACK_H */
