package com.example.shapes;

import java.util.List;
import java.util.ArrayList;

/** A shape registry. */
public interface Registry extends Iterable<Shape> {
  void add(Shape s);
}

class Circle extends Shape implements Cloneable {
  static {
    count = 0;
  }
  public Circle copy() {
    try {
      return (Circle) clone();
    } catch (Exception e) {
      throw new IllegalStateException(e);
    }
  }
}
