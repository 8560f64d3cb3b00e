package com.example.tool;

import scenario.Report;

// The shipping guide's console tool: reports what it was given and the
// runtime it runs on, and ends with 3.
public class Tool {
  public static void main(String[] args) {
    System.out.println("tool");
    Report.args(args);
    Report.property("tool.mode");
    Report.env("ZQ_JVM_HOME");
    System.exit(3);
  }
}
