test.verify(ostc.version().indexOf("Bathyra_") == 0, "version text");
