// Attributing functions to the namespace they belong to, at report time:
// the namespace records of G.namespace_list carry the summed measures of
// their functions (and classes), which the namespace report shows.
#ifndef KLV_REPORTS_NAMESPACE_SUMS_H_
#define KLV_REPORTS_NAMESPACE_SUMS_H_

#include <string>

#include "base/globals.h"

// Adds one function's measures to its namespace record. Only a name with
// exactly one scope operator ("A::f", not "A::B::g" or "f") belongs to a
// namespace: the one named by the text before the "::", when the list has
// it. The record gets the line measures, complexity, parameters and return
// points added, and 1 added to its function count (its `ratio` slot).
// This changes sort fields of the records in place: a caller that adds
// many functions tells the list once afterwards (LlistOrderChanged).
void Add_Func2namespace(const std::string& name, int loc, int lloc, int eloc,
                        int comments, int blanks, int lines, int cyclo,
                        int params, int returns, RunTotals& G);

// The measures of one class or interface record, handed over by the class
// statistics so that its namespace or package collects them.
struct ClassSums {
  int loc = 0, lloc = 0, eloc = 0, comments = 0, blanks = 0, lines = 0;
  int cyclo = 0, params = 0, returns = 0;
  int member_functions = 0;
  int public_methods = 0, protected_methods = 0, private_methods = 0;
  int public_attributes = 0, protected_attributes = 0, private_attributes = 0;
  int nested = 0;
};

// Adds one class or interface to the namespace or package it belongs to:
// the longest part of its name before a scope separator ('.', ':' or
// "::") that the namespace list has; an interface is named by the text
// after "Interface-". The namespace counts one more class (its `nested`
// slot); a class that is not nested also adds its measures, its member
// functions and its method and attribute counts.
void Add_Class2namespace(const std::string& name, const ClassSums& sums,
                         RunTotals& G);

// Requires: the function statistics have not run, or ran over every
// function. Attributes every function of the run to its namespace unless
// the function statistics did; a function counts once either way.
void AddFunctionsToNamespaces(RunTotals& G);

#endif  // KLV_REPORTS_NAMESPACE_SUMS_H_
