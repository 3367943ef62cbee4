// The list every part of the program keeps its collections in: files,
// functions, classes, interfaces, namespaces, macro names, notices,
// work-file entries and tree nodes. A list owns its records; they stay at
// one address for as long as they are in it.
//
// Order
// -----
// A record is either appended at the tail or added in order: walking from
// the head, it goes before the first record for which the comparison
// routine, called as compare(new record, listed record), answers 0 or less,
// and at the tail when none does. Two kinds of routine are in use:
//
//  - name routines answer the collation of the new name against the listed
//    one. A list kept by name is ascending, and a new record goes before
//    the records whose names equal its own: of two equal names the later
//    added comes first.
//  - number routines answer 1 while the listed value is greater than or
//    equal to the new one and -1 otherwise. A list kept by a number is
//    descending, and a new record goes after the records with an equal
//    value: ties keep the order in which they were added.
//
// Walking makes each ordered addition linear in the length of the list,
// quadratic over a run with hundreds of thousands of functions. So when an
// addition names one of these two kinds of order (ListOrder::kind) and the
// list is in that order, the list finds the same place without walking:
//
//  - Ordered additions are held back and placed together when the list is
//    next read or changed otherwise (counting it places nothing). Added in
//    turn to a list in order, records end up sorted among themselves by the
//    same rule, each before (name) or after (number) the listed records
//    that equal it. So the held-back records are sorted stably, from the
//    order of their addition (reversed first for name order, where the
//    later of two equals comes first), and merged in.
//  - A few records held back in a long list, a unique addition and a
//    lookup by name (LlistFind) use an index of the records' sort values, built when
//    first needed. The walk stops at the first record whose name collates
//    at or after the new name (name order), or at the first record whose
//    value is below the new one (number order): the index's lower or upper
//    bound, since equal values sit in the index in list order.
//
// A list that is not in the order asked for (records appended out of order,
// or kept in another order) is walked, so the result is always the walk's.
//
// The list keeps each record's sort value as it was when the record was
// added. A caller that changes a sort field (a name, a LOC count ...) of a
// record while it is in a list must call LlistOrderChanged before the next
// ordered addition or lookup; that addition then checks the list against
// the current values. Re-sorting always reads the current values.
#ifndef KLV_LISTS_LLIST_H_
#define KLV_LISTS_LLIST_H_

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <list>
#include <memory>
#include <new>
#include <set>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "lists/collate.h"

enum class OrderKind {
  kWalk,              // any routine: the list is walked
  kNameAscending,     // a name routine over `text`
  kNumberDescending,  // a number routine over `number`
};

// A comparison routine and what it means. For kNameAscending `compare` must
// answer CollateNames(text(added), text(node)); for kNumberDescending 1 when
// number(node) >= number(added) and -1 otherwise.
template <class T>
struct ListOrder {
  int (*compare)(const T& added, const T& node) = nullptr;
  OrderKind kind = OrderKind::kWalk;
  const std::string& (*text)(const T&) = nullptr;
  int32_t (*number)(const T&) = nullptr;

  bool operator==(const ListOrder&) const = default;
};

namespace llist_detail {

// A name as a sort key: its prefix settles most comparisons without
// reading the text.
struct NameKey {
  uint64_t prefix = 0;
  std::string_view text;
};

inline NameKey NameKeyOf(std::string_view text) {
  return NameKey{NamePrefix(text), text};
}

inline bool NameBefore(const NameKey& a, const NameKey& b) {
  if (a.prefix != b.prefix) return a.prefix < b.prefix;
  return CollateNames(a.text, b.text) < 0;
}

// The sort value of one record, as the list keeps it.
struct SortValue {
  int32_t number = 0;
  uint64_t prefix = 0;  // NamePrefix(text)
  std::string text;
};

// True when a record of value `a` goes before one of value `b` in a list
// kept in order `kind`.
inline bool Before(OrderKind kind, const SortValue& a, const SortValue& b) {
  if (kind == OrderKind::kNumberDescending) return a.number > b.number;
  return NameBefore(NameKey{a.prefix, a.text}, NameKey{b.prefix, b.text});
}

// True when the walk of an addition of value `added` stops at a listed
// record of value `node`, in a list that is in order `kind`.
inline bool StopsAt(OrderKind kind, const SortValue& node,
                    const SortValue& added) {
  if (kind == OrderKind::kNameAscending) return !Before(kind, node, added);
  return Before(kind, added, node);
}

}  // namespace llist_detail

template <class T>
class Llist;

template <class T>
T* LlistAdd(Llist<T>& list, std::unique_ptr<T> data);
template <class T>
T* LlistAdd(Llist<T>& list, std::unique_ptr<T> data,
            const std::type_identity_t<ListOrder<T>>* order);
template <class T>
int LlistAddUnique(Llist<T>& list, std::unique_ptr<T> data,
                   const std::type_identity_t<ListOrder<T>>* order);
template <class T>
void LlistDestroy(Llist<T>& list);
template <class T>
void LlistResort(Llist<T>& list,
                 const std::type_identity_t<ListOrder<T>>* order);
template <class T>
void LlistOrderChanged(Llist<T>& list);
template <class T>
T* LlistFind(Llist<T>& list, const T& probe,
             const std::type_identity_t<ListOrder<T>>& order);
template <class T>
void LlistConcat(Llist<T>& list, Llist<T>& other);
template <class T>
std::vector<std::unique_ptr<T>> LlistTakeAll(Llist<T>& list);

template <class T>
class Llist {
  using SortValue = llist_detail::SortValue;
  struct Slot;
  using Slots = std::list<Slot>;
  using SlotIt = typename Slots::iterator;

  // Index order: the list order of the slots' sort values. Searches take a
  // bare value.
  struct SlotBefore {
    using is_transparent = void;
    OrderKind kind = OrderKind::kWalk;
    bool operator()(const SlotIt& a, const SlotIt& b) const {
      return llist_detail::Before(kind, a->value, b->value);
    }
    bool operator()(const SlotIt& a, const SortValue& b) const {
      return llist_detail::Before(kind, a->value, b);
    }
    bool operator()(const SortValue& a, const SlotIt& b) const {
      return llist_detail::Before(kind, a, b->value);
    }
  };
  using Index = std::multiset<SlotIt, SlotBefore>;

  struct Slot {
    std::unique_ptr<T> data;
    SortValue value;                   // set while sorted_ or held back
    typename Index::iterator entry{};  // set while indexed
  };

  template <class SlotIter, class Ref>
  class Iter {
   public:
    using iterator_category = std::bidirectional_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using pointer = std::remove_reference_t<Ref>*;
    using reference = Ref;

    Iter() = default;
    Ref operator*() const { return *it_->data; }
    pointer operator->() const { return it_->data.get(); }
    Iter& operator++() {
      ++it_;
      return *this;
    }
    Iter operator++(int) {
      Iter old = *this;
      ++it_;
      return old;
    }
    Iter& operator--() {
      --it_;
      return *this;
    }
    Iter operator--(int) {
      Iter old = *this;
      --it_;
      return old;
    }
    bool operator==(const Iter&) const = default;

   private:
    friend class Llist;
    explicit Iter(SlotIter it) : it_(it) {}
    SlotIter it_{};
  };

 public:
  using iterator = Iter<SlotIt, T&>;
  using const_iterator = Iter<typename Slots::const_iterator, const T&>;

  Llist() = default;
  Llist(const Llist&) = delete;
  Llist& operator=(const Llist&) = delete;
  // Moving hands the records over; the source is left empty. (Swapping
  // keeps the index's positions valid, which a plain move need not.)
  Llist(Llist&& other) noexcept { Swap(other); }
  Llist& operator=(Llist&& other) noexcept {
    if (this != &other) {
      Clear();
      Swap(other);
    }
    return *this;
  }

  iterator begin() {
    Settle();
    return iterator(slots_.begin());
  }
  iterator end() {
    Settle();
    return iterator(slots_.end());
  }
  const_iterator begin() const {
    Settle();
    return const_iterator(slots_.cbegin());
  }
  const_iterator end() const {
    Settle();
    return const_iterator(slots_.cend());
  }
  bool empty() const { return slots_.empty() && held_.empty(); }
  // The number of records (the list's count).
  int count() const { return static_cast<int>(slots_.size() + held_.size()); }
  T& front() { return *begin(); }
  T& back() { return *std::prev(end()); }

  // Removes the record at `it` and returns the position after it.
  iterator erase(iterator it) {
    Settle();
    if (indexed_) index_.erase(it.it_->entry);
    return iterator(slots_.erase(it.it_));
  }
  // Removes the record at `it` from the list and hands it to the caller.
  std::unique_ptr<T> take(iterator it) {
    Settle();
    std::unique_ptr<T> data = std::move(it.it_->data);
    erase(it);
    return data;
  }

 private:
  friend T* LlistAdd<T>(Llist&, std::unique_ptr<T>);
  friend T* LlistAdd<T>(Llist&, std::unique_ptr<T>, const ListOrder<T>*);
  friend int LlistAddUnique<T>(Llist&, std::unique_ptr<T>,
                               const ListOrder<T>*);
  friend void LlistDestroy<T>(Llist&);
  friend void LlistResort<T>(Llist&, const ListOrder<T>*);
  friend void LlistOrderChanged<T>(Llist&);
  friend T* LlistFind<T>(Llist&, const T&, const ListOrder<T>&);
  friend void LlistConcat<T>(Llist&, Llist&);
  friend std::vector<std::unique_ptr<T>> LlistTakeAll<T>(Llist&);

  static SortValue ValueOf(const ListOrder<T>& order, const T& rec) {
    SortValue v;
    if (order.kind == OrderKind::kNumberDescending) {
      v.number = order.number(rec);
    } else {
      v.text = order.text(rec);
      v.prefix = NamePrefix(v.text);
    }
    return v;
  }

  // True when a record of current values `a` goes before one of `b` in a
  // list kept in `order`.
  static bool BeforeNow(const ListOrder<T>& order, const T& a, const T& b) {
    if (order.kind == OrderKind::kNumberDescending) {
      return order.number(a) > order.number(b);
    }
    return CollateNames(order.text(a), order.text(b)) < 0;
  }

  // Sorts `slots` stably by `key(slot)` under `less`, through a vector of
  // keys (a list sort chases pointers); without memory for the vector, by
  // the list's own merge sort with `slot_less`.
  template <class Key, class KeyOf, class Less, class SlotLess>
  static void SortSlots(Slots& slots, KeyOf key, Less less,
                        SlotLess slot_less) {
    std::vector<std::pair<Key, SlotIt>> keyed;
    try {
      keyed.reserve(slots.size());
    } catch (const std::bad_alloc&) {
      slots.sort(slot_less);
      return;
    }
    for (auto it = slots.begin(); it != slots.end(); ++it) {
      keyed.emplace_back(key(*it), it);
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [&less](const auto& a, const auto& b) {
                       return less(a.first, b.first);
                     });
    for (auto& k : keyed) slots.splice(slots.end(), slots, k.second);
  }

  // Sorts `slots` stably into `order` by the sort values `value(slot)`.
  template <class ValueOfSlot>
  static void SortByValue(Slots& slots, OrderKind kind, ValueOfSlot value) {
    auto slot_less = [kind, &value](const Slot& a, const Slot& b) {
      return llist_detail::Before(kind, value(a), value(b));
    };
    if (kind == OrderKind::kNumberDescending) {
      SortSlots<int32_t>(
          slots, [&value](const Slot& s) { return value(s).number; },
          [](int32_t a, int32_t b) { return a > b; }, slot_less);
    } else {
      SortSlots<llist_detail::NameKey>(
          slots,
          [&value](const Slot& s) {
            const SortValue& v = value(s);
            return llist_detail::NameKey{v.prefix, v.text};
          },
          llist_detail::NameBefore, slot_less);
    }
  }

  void Swap(Llist& other) noexcept {
    slots_.swap(other.slots_);
    held_.swap(other.held_);
    index_.swap(other.index_);
    std::swap(sorted_, other.sorted_);
    std::swap(indexed_, other.indexed_);
    std::swap(order_, other.order_);
  }

  void Clear() {
    held_.clear();
    ForgetOrder();
    slots_.clear();
  }

  void DropIndex() {
    index_.clear();
    indexed_ = false;
  }

  // Forgets that the list is in an order. Only with no records held back.
  void ForgetOrder() {
    DropIndex();
    sorted_ = false;
  }

  // Places the held-back records. A list that is only read does not
  // change; one defined const never holds records back.
  void Settle() const {
    if (!held_.empty()) const_cast<Llist*>(this)->PlaceHeld();
  }

  // Makes sure the list knows it is in `order`: true when it is, by the
  // records' current values (which the slots then carry), false otherwise.
  // Only with no records held back, or held back in this very order.
  bool InOrder(const ListOrder<T>& order) {
    if (order.kind == OrderKind::kWalk) return false;
    if (sorted_ && order_ == order) return true;
    for (auto it = slots_.begin(); it != slots_.end(); ++it) {
      auto next = std::next(it);
      if (next != slots_.end() && BeforeNow(order, *next->data, *it->data)) {
        return false;
      }
    }
    ForgetOrder();
    try {
      for (Slot& s : slots_) s.value = ValueOf(order, *s.data);
    } catch (const std::bad_alloc&) {
      return false;
    }
    order_ = order;
    sorted_ = true;
    return true;
  }

  // Builds the index of a sorted list when it has none; false when memory
  // runs out.
  bool Indexed() {
    if (indexed_) return true;
    index_ = Index(SlotBefore{order_.kind});
    try {
      for (auto it = slots_.begin(); it != slots_.end(); ++it) {
        it->entry = index_.emplace_hint(index_.end(), it);
      }
    } catch (const std::bad_alloc&) {
      DropIndex();
      return false;
    }
    indexed_ = true;
    return true;
  }

  // In a sorted list, searched from `from` by the slots' values: where the
  // walk of an addition of value `v` stops.
  SlotIt ScanFrom(SlotIt from, const SortValue& v) {
    while (from != slots_.end() &&
           !llist_detail::StopsAt(order_.kind, from->value, v)) {
      ++from;
    }
    return from;
  }

  // In a sorted list: where the walk of an addition of value `v` stops,
  // found through the index.
  SlotIt Bound(const SortValue& v) {
    if (!Indexed()) return ScanFrom(slots_.begin(), v);
    auto e = order_.kind == OrderKind::kNameAscending ? index_.lower_bound(v)
                                                      : index_.upper_bound(v);
    return e == index_.end() ? slots_.end() : *e;
  }

  // Walks for an ordered addition of `rec`: the first record for which the
  // routine answers 0 or less, or the end.
  SlotIt Walk(const T& rec, const ListOrder<T>& order) {
    auto it = slots_.begin();
    while (it != slots_.end() && order.compare(rec, *it->data) > 0) ++it;
    return it;
  }

  // Where the walk of an ordered addition of `rec` stops, found through the
  // index when the list is in `order`. Only with no records held back.
  SlotIt StopFor(const T& rec, const ListOrder<T>& order) {
    if (InOrder(order)) return Bound(ValueOf(order, rec));
    return Walk(rec, order);
  }

  // Moves `node` out of `from` to just before `pos`. A sorted list stays
  // sorted (and indexed) when the node's value fits there, and forgets its
  // order otherwise.
  T* Link(SlotIt pos, Slots& from, SlotIt node) {
    slots_.splice(pos, from, node);
    if (!sorted_) return node->data.get();
    const OrderKind kind = order_.kind;
    bool fits = (node == slots_.begin() ||
                 !llist_detail::Before(kind, node->value,
                                       std::prev(node)->value)) &&
                (pos == slots_.end() ||
                 !llist_detail::Before(kind, pos->value, node->value));
    if (!fits) {
      ForgetOrder();
    } else if (indexed_) {
      try {
        auto hint = pos == slots_.end() ? index_.end() : pos->entry;
        node->entry = index_.emplace_hint(hint, node);
      } catch (const std::bad_alloc&) {
        DropIndex();
      }
    }
    return node->data.get();
  }

  // Puts `data` just before `pos`. Only with no records held back. Throws
  // std::bad_alloc, with the list unchanged and `data` released, when no
  // slot can be had.
  T* Place(SlotIt pos, std::unique_ptr<T> data) {
    Slots fresh;
    fresh.push_back(Slot{std::move(data), SortValue{}, {}});
    SlotIt node = fresh.begin();
    if (sorted_) {
      try {
        node->value = ValueOf(order_, *node->data);
      } catch (const std::bad_alloc&) {
        ForgetOrder();
      }
    }
    return Link(pos, fresh, node);
  }

  // Holds `data` back, to be placed in order_ (the list's order) at the
  // next read. Throws std::bad_alloc, with `data` released.
  T* Hold(std::unique_ptr<T> data) {
    Slots fresh;
    fresh.push_back(Slot{std::move(data), SortValue{}, {}});
    fresh.front().value = ValueOf(order_, *fresh.front().data);
    held_.splice(held_.end(), fresh);
    return held_.back().data.get();
  }

  // Places the held-back records where adding them one by one would have.
  // A few among many are placed one by one through the index; otherwise
  // they are sorted and merged in a single pass by value, and the index,
  // if any, is dropped to be rebuilt when next needed.
  void PlaceHeld() {
    Slots batch;
    batch.swap(held_);
    const OrderKind kind = order_.kind;
    if (batch.size() * 16 < slots_.size()) {
      while (!batch.empty()) {
        SlotIt node = batch.begin();
        Link(Bound(node->value), batch, node);
      }
      return;
    }
    DropIndex();
    if (kind == OrderKind::kNameAscending) batch.reverse();
    SortByValue(batch, kind, [](const Slot& s) -> const SortValue& {
      return s.value;
    });
    SlotIt cursor = slots_.begin();
    while (!batch.empty()) {
      SlotIt node = batch.begin();
      cursor = ScanFrom(cursor, node->value);
      Link(cursor, batch, node);
    }
  }

  Slots slots_;
  Slots held_;  // ordered additions not yet placed, in order of addition
  Index index_;
  // The slots carry their values in order_ and are in that order.
  bool sorted_ = false;
  bool indexed_ = false;  // index_ holds every slot (only when sorted_)
  ListOrder<T> order_;
};

// Appends `data` at the tail. Returns the record, or null for null data or
// when memory runs out (the list is then unchanged).
template <class T>
T* LlistAdd(Llist<T>& list, std::unique_ptr<T> data) {
  if (!data) return nullptr;
  list.Settle();
  try {
    return list.Place(list.slots_.end(), std::move(data));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

// Adds `data` in `order` (see the top of this file); a null order appends.
// Returns the record, or null for null data or when memory runs out.
template <class T>
T* LlistAdd(Llist<T>& list, std::unique_ptr<T> data,
            const std::type_identity_t<ListOrder<T>>* order) {
  if (!data) return nullptr;
  if (order == nullptr || order->compare == nullptr) {
    return LlistAdd(list, std::move(data));
  }
  try {
    if (!list.held_.empty() && !(list.order_ == *order)) list.Settle();
    if (list.InOrder(*order)) return list.Hold(std::move(data));
    auto pos = list.Walk(*data, *order);
    return list.Place(pos, std::move(data));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

// Adds `data` in `order` unless it is already there: the walk stops at the
// first record for which the routine answers 0 or less; an answer of 0
// means the record is there and nothing is added. (A number routine never
// answers 0, so with one this adds like LlistAdd.) Without an order only an
// empty list takes the record. Returns 1 when added, 0 otherwise; a record
// that is not added is released.
template <class T>
int LlistAddUnique(Llist<T>& list, std::unique_ptr<T> data,
                   const std::type_identity_t<ListOrder<T>>* order) {
  if (!data) return 0;
  if (order == nullptr || order->compare == nullptr) {
    if (!list.empty()) return 0;
    return LlistAdd(list, std::move(data)) != nullptr ? 1 : 0;
  }
  list.Settle();
  try {
    auto pos = list.StopFor(*data, *order);
    if (pos != list.slots_.end() && order->compare(*data, *pos->data) == 0) {
      return 0;
    }
    list.Place(pos, std::move(data));
    return 1;
  } catch (const std::bad_alloc&) {
    return 0;
  }
}

// Removes and releases every record; the list ends empty.
template <class T>
void LlistDestroy(Llist<T>& list) {
  list.Clear();
}

// Re-sorts the list: the order it would have if its records were added
// anew, head to tail, in `order`. By name that is ascending with equal names
// in the reverse of their present order; by a number it is descending with
// equal values in their present order. A null order keeps the present order.
// Records keep their addresses; nothing is allocated except the index.
template <class T>
void LlistResort(Llist<T>& list,
                 const std::type_identity_t<ListOrder<T>>* order) {
  list.Settle();
  list.ForgetOrder();
  if (order == nullptr || order->compare == nullptr) return;
  const ListOrder<T> o = *order;
  if (o.kind == OrderKind::kWalk) {
    // Any other routine: add the records one by one as the walk places them.
    typename Llist<T>::Slots old;
    old.swap(list.slots_);
    while (!old.empty()) {
      auto pos = list.Walk(*old.front().data, o);
      list.slots_.splice(pos, old, old.begin());
    }
    return;
  }
  if (o.kind == OrderKind::kNameAscending) list.slots_.reverse();
  // Sorted by the records' current values; the next ordered addition
  // confirms the order and takes the values then.
  if (o.kind == OrderKind::kNumberDescending) {
    Llist<T>::template SortSlots<int32_t>(
        list.slots_, [&o](const auto& s) { return o.number(*s.data); },
        [](int32_t a, int32_t b) { return a > b; },
        [&o](const auto& a, const auto& b) {
          return Llist<T>::BeforeNow(o, *a.data, *b.data);
        });
  } else {
    Llist<T>::template SortSlots<llist_detail::NameKey>(
        list.slots_,
        [&o](const auto& s) { return llist_detail::NameKeyOf(o.text(*s.data)); },
        llist_detail::NameBefore,
        [&o](const auto& a, const auto& b) {
          return Llist<T>::BeforeNow(o, *a.data, *b.data);
        });
  }
}

// Tells the list that sort fields of its records were changed in place.
template <class T>
void LlistOrderChanged(Llist<T>& list) {
  list.Settle();
  list.ForgetOrder();
}

// The first record, in list order, for which the routine of `order` answers
// 0 when called with `probe`; null when there is none. A list in name order
// is searched through its index. (Checking that order costs little: in a
// list that is not in it, the check usually fails within the first records.)
template <class T>
T* LlistFind(Llist<T>& list, const T& probe,
             const std::type_identity_t<ListOrder<T>>& order) {
  list.Settle();
  if (order.kind == OrderKind::kNameAscending && list.InOrder(order)) {
    auto pos = list.Bound(Llist<T>::ValueOf(order, probe));
    if (pos == list.slots_.end()) return nullptr;
    T* found = pos->data.get();
    return order.compare(probe, *found) == 0 ? found : nullptr;
  }
  for (T& rec : list) {
    if (order.compare(probe, rec) == 0) return &rec;
  }
  return nullptr;
}

// The first record, in list order, for which `match(record)` is true; null
// when there is none.
template <class T, class Match>
T* LlistFindIf(Llist<T>& list, Match match) {
  for (T& rec : list) {
    if (match(rec)) return &rec;
  }
  return nullptr;
}

// Moves every record of `other`, in its order, to the tail of `list`.
template <class T>
void LlistConcat(Llist<T>& list, Llist<T>& other) {
  if (&list == &other) return;
  list.Settle();
  other.Settle();
  list.ForgetOrder();
  other.ForgetOrder();
  list.slots_.splice(list.slots_.end(), other.slots_);
}

// Hands every record of `list` over, in list order; the list is left
// empty. The records themselves stay where they are.
template <class T>
std::vector<std::unique_ptr<T>> LlistTakeAll(Llist<T>& list) {
  list.Settle();
  std::vector<std::unique_ptr<T>> records;
  records.reserve(list.slots_.size());
  for (auto& slot : list.slots_) records.push_back(std::move(slot.data));
  list.Clear();
  return records;
}

#endif  // KLV_LISTS_LLIST_H_
