// Inventory.java - stock levels of a small shop.
package com.example.shop;

import java.util.LinkedHashMap;
import java.util.Map;

/** Anything that can be counted on a shelf. */
interface Stocked {
    int quantity(String item);

    void receive(String item, int amount);
}

/**
 * Keeps how many of each item are on hand and refuses to sell stock
 * that is not there.
 */
public class Inventory implements Stocked {
    private final Map<String, Integer> levels = new LinkedHashMap<>();
    private int sales;

    public int quantity(String item) {
        Integer level = levels.get(item);
        return level == null ? 0 : level;
    }

    public void receive(String item, int amount) {
        if (amount <= 0) {
            throw new IllegalArgumentException("amount must be positive: " + amount);
        }
        levels.merge(item, amount, Integer::sum);
    }

    /** Sells amount of item; returns false when there is too little. */
    public boolean sell(String item, int amount) {
        int have = quantity(item);
        if (have < amount) {
            return false;
        }
        levels.put(item, have - amount);
        ++sales;
        return true;
    }

    public int salesMade() {
        return sales;
    }

    /** Reads "item=amount" pairs, skipping the ones that do not parse. */
    public int load(String[] lines) {
        int loaded = 0;
        for (int i = 0; i < lines.length; i++) {
            String[] parts = lines[i].split("=", 2);
            try {
                receive(parts[0].trim(), Integer.parseInt(parts[1].trim()));
                loaded++;
            } catch (NumberFormatException | ArrayIndexOutOfBoundsException e) {
                System.err.println("skipped line " + (i + 1) + ": " + lines[i]);
            }
        }
        return loaded;
    }

    public static void main(String[] args) {
        Inventory shop = new Inventory();
        shop.load(new String[] {"apples=12", "pears=x", "plums=7"});
        System.out.println(shop.sell("apples", 5) ? "sold" : "not enough");
        System.out.println("apples left: " + shop.quantity("apples"));
    }
}
