signal ;
