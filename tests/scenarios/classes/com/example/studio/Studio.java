package com.example.studio;

import java.nio.file.Files;
import java.nio.file.Paths;
import scenario.Report;

// The shipping guide's desktop application: main runs until the file
// "release" appears in the current folder; secondaryMain reports the
// arguments of a later start and answers 5.
public class Studio {
  public static void main(String[] args) throws InterruptedException {
    System.out.println("studio");
    Report.args(args);
    Report.property("studio.title");
    while (!Files.exists(Paths.get("release"))) Thread.sleep(10);
    System.out.println("studio ends");
  }

  public static int secondaryMain(String[] args) {
    System.out.println("secondaryMain");
    Report.args(args);
    return 5;
  }
}
