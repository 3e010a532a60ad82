-- a package instantiation takes a generic map only: a port map stays
-- rejected, at the port
package q is new work.g port map (a => b);
